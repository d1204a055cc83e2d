#pragma once

// The fixed messages of the database layer.
namespace DbMessages {
inline constexpr const char* kBusy =
    "Базата данни беше недостъпна в продължение на прекалено голям период от време.\nОперацията не беше "
    "извършена успешно! Моля, опитайте отново по-късно.\n\nВероятната причина за този проблеме е, че БД е "
    "заета от друг процес или потребител,\nкойто извършва продължителна операция върху нея в този момент.";
inline constexpr const char* kCorrupt =
    "Фатална грешка: Базата данни е повредена! Моля, възстановете данните от архивно копие на БД.";
inline constexpr const char* kCantOpen = "Базата данни не може да бъде заредена!";
inline constexpr const char* kReadOnly =
    "Базата данни е само за четене (файлът или папката му не позволяват запис): нищо не може да бъде "
    "записано в нея.";
inline constexpr const char* kFull = "Дискът с базата данни е пълен: нищо не може да бъде записано в нея.";
} // namespace DbMessages
