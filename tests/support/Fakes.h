#pragma once

#include "base/Clock.h"
#include "base/ProcessExit.h"
#include "base/Sleeper.h"
#include "session/FolderBrowser.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// Counts pauses instead of sleeping; may run an action on each pause.
class FakeSleeper : public Sleeper {
public:
    void Sleep(int milliseconds) override {
        pauses.push_back(milliseconds);
        if (onSleep)
            onSleep(static_cast<int>(pauses.size()));
    }
    std::vector<int> pauses;
    std::function<void(int)> onSleep;
};

class FixedClock : public Clock {
public:
    QDateTime Now() const override { return now; }
    qint64 ElapsedMs() const override { return elapsedMs; }
    QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(10, 30, 0));
    qint64 elapsedMs = 0;
};

// Records the exit statuses; the code after the call goes on, as it must
// cope with an exit that returns.
class RecordingExit : public ProcessExit {
public:
    void Exit(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

class ScriptedChooser : public DirectoryChooser {
public:
    QString ChooseDirectory(const QString& caption, const QString& startDirectory) override {
        captions << caption;
        starts << startDirectory;
        if (answers.empty())
            return QString();
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<QString> answers;
    QStringList captions;
    QStringList starts;
};
