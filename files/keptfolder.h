#pragma once

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <functional>
#include <utility>

// What both histories, of settings and of logs, have of their folder: where
// it is, its clock, the entry kept last, and their failures to keep, which
// must never get in an operation's way and are told to the user once for
// each run of them, in the history's own sentence.
class KeptFolder {
public:
    using Clock = std::function<QDateTime()>;

    const QString& root() const { return m_root; }
    // The entry the last successful record kept, by its file's name without
    // its extension.
    QString newestEntry() const { return QFileInfo(m_newestFile).completeBaseName(); }
    // Whether the last record failed.
    bool failed() const { return m_failed; }
    // True once for each run of failures, so the user is told once.
    bool takeFailureNotice() { return std::exchange(m_notice, false); }
    QString failureText() const { return m_failureText(QDir::toNativeSeparators(m_root)); }

protected:
    // "The ... history cannot be written to %1." for the folder.
    using FailureText = QString (*)(const QString& folder);

    KeptFolder(QString root, Clock clock, FailureText failureText)
        : m_root(std::move(root))
        , m_clock(std::move(clock))
        , m_failureText(failureText)
    {
    }

    // Runs write, lets nothing it throws out, and notes whether it kept what
    // it was given; returns that.
    template <typename Write> bool noteRecord(Write write)
    {
        bool kept = false;
        try {
            kept = write();
        } catch (...) {
            kept = false;
        }
        if (!kept && !m_failed)
            m_notice = true;
        m_failed = !kept;
        return kept;
    }

    QString m_root;
    Clock m_clock;
    QString m_newestFile;

private:
    FailureText m_failureText;
    bool m_failed = false;
    bool m_notice = false;
};
