#pragma once

#include <utility>

// A history's failures to keep what it was given, told to the user once for
// each run of them: keeping must never get in an operation's way.
class FailureNotice {
public:
    // How a record ended; returns kept.
    bool note(bool kept)
    {
        if (!kept && !m_failed)
            m_notice = true;
        m_failed = !kept;
        return kept;
    }
    // Whether the last record failed.
    bool failed() const { return m_failed; }
    bool take() { return std::exchange(m_notice, false); }

private:
    bool m_failed = false;
    bool m_notice = false;
};
