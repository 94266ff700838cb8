#pragma once

#include "core/engine/rename/BatchRename.h"

// Asks on the terminal: messages and questions on standard error, the answer read as one
// line of standard input. "y" or "yes" in any case is Yes; anything else, or the end of the
// input, is No. With assumeYes every question is answered Yes without being shown.
class TerminalPrompter : public BatchPrompter
{
public:
    explicit TerminalPrompter(bool assumeYes) : m_assumeYes(assumeYes) {}

    void warn(const QString &message) override;
    Answer ask(const QString &question) override;

private:
    bool m_assumeYes;
};
