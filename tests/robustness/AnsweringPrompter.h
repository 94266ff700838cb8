#pragma once

#include "engine/BatchRename.h"

#include <QStringList>

// Answers every confirmation with one fixed answer and keeps what it was told.
class AnsweringPrompter : public BatchPrompter
{
public:
    explicit AnsweringPrompter(Answer answer = Answer::Yes) : m_answer(answer) {}
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
