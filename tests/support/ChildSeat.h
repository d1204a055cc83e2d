#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

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

// Two children started on their commands and told to go at the same moment;
// their exit statuses. `a` and `b` keep what they printed.
inline std::pair<int, int> RaceTwo(ChildSeat& a, ChildSeat& b, const QStringList& first,
                                   const QStringList& second) {
    a.Start(first);
    b.Start(second);
    a.WaitReady();
    b.WaitReady();
    a.Go();
    b.Go();
    const int firstStatus = a.Finish();
    return {firstStatus, b.Finish()};
}
