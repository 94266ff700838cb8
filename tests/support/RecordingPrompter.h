#pragma once

#include "core/engine/rename/BatchRename.h"

#include <QStringList>

// The batch's questions answered with one fixed answer, and what it was told kept: for the
// engine's and the robustness tests.
class RecordingPrompter : public BatchPrompter
{
public:
    explicit RecordingPrompter(Answer answer = Answer::Yes) : m_answer(answer) {}
    void warn(const QString &message) override { warnings << message; }
    Answer ask(const QString &question) override
    {
        questions << question;
        return m_answer;
    }
    QStringList warnings;
    QStringList questions;

private:
    Answer m_answer;
};
