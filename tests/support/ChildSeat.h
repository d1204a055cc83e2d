#pragma once

#include <QProcess>
#include <QStringList>
#include <array>
#include <gtest/gtest.h>
#include <vector>

// A copy of the program's classes in a second process (support/TestChild),
// started on a command, told when to go, and waited for.
class ChildSeat {
public:
    void Start(const QStringList& arguments) {
        m_process.start(TARVO_TEST_CHILD, arguments);
        ASSERT_TRUE(m_process.waitForStarted());
    }
    // Waits until the child has done its preparation and waits for the word.
    void WaitReady() {
        while (!m_process.canReadLine())
            ASSERT_TRUE(m_process.waitForReadyRead(30000)) << m_process.readAllStandardError().toStdString();
        ASSERT_EQ(m_process.readLine().trimmed(), "ready");
    }
    void Go() {
        m_process.write("go\n");
        // Written now, not when this process next waits on the child.
        m_process.waitForBytesWritten(10000);
        m_process.closeWriteChannel();
    }
    // The child's exit status, -1 when it did not end normally.
    int Finish() {
        if (!m_process.waitForFinished(120000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        m_output = QString::fromUtf8(m_process.readAllStandardOutput());
        m_errors = QString::fromUtf8(m_process.readAllStandardError());
        return m_process.exitCode();
    }
    // How many saves a racing child won ("won N" on its output), -1 when it did not say.
    int Won() const {
        const int at = m_output.indexOf("won ");
        return at < 0 ? -1 : m_output.mid(at + 4).trimmed().toInt();
    }
    // What the child printed on its output.
    QString Output() const { return m_output; }
    // What the child's prompter printed.
    QString Errors() const { return m_errors; }

private:
    QProcess m_process;
    QString m_output;
    QString m_errors;
};

// Children started on their commands and told to go at the same moment;
// their exit statuses. Each seat keeps what it printed.
inline std::vector<int> RaceSeats(const std::vector<ChildSeat*>& seats,
                                  const std::vector<QStringList>& commands) {
    for (size_t i = 0; i < seats.size(); ++i)
        seats[i]->Start(commands[i]);
    for (ChildSeat* seat : seats)
        seat->WaitReady();
    for (ChildSeat* seat : seats)
        seat->Go();
    std::vector<int> statuses;
    for (ChildSeat* seat : seats)
        statuses.push_back(seat->Finish());
    return statuses;
}

inline std::pair<int, int> RaceTwo(ChildSeat& a, ChildSeat& b, const QStringList& first,
                                   const QStringList& second) {
    const std::vector<int> statuses = RaceSeats({&a, &b}, {first, second});
    return {statuses[0], statuses[1]};
}

// Four seats at once, as a shop with four tills.
inline std::vector<int> RaceFour(std::array<ChildSeat, 4>& seats, const std::vector<QStringList>& commands) {
    return RaceSeats({&seats[0], &seats[1], &seats[2], &seats[3]}, commands);
}
