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
inline constexpr const char* kConnectionLost =
    "Връзката със сървъра на базата данни беше прекъсната. Операцията не беше извършена и нищо от нея не е "
    "записано; данните във формата са запазени.\nПроверете мрежата и сървъра и опитайте отново: програмата "
    "ще се свърже отново при следващото действие.";
inline constexpr const char* kServerPassword = "Сървърът на базата данни не прие потребителя или паролата. "
                                               "Проверете ги (или файла ~/.pgpass) и опитайте "
                                               "отново.";
inline constexpr const char* kServerTooOld =
    "Сървърът на базата данни е PostgreSQL %1, а програмата работи с PostgreSQL %2 или по-нов.";
inline constexpr const char* kServerNoDatabase =
    "На сървъра няма база данни %1. Проверете името ѝ или я създайте (createdb) и опитайте отново.";
inline constexpr const char* kServerUnreachable = "Сървърът на базата данни не може да бъде достигнат:\n%1";
} // namespace DbMessages
