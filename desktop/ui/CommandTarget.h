#pragma once

#include <QHash>

#include <functional>
#include <optional>

// What a command looks like where it is offered: enabled or not, and its check mark.
struct CommandUiState
{
    bool enabled = true;
    bool checkable = false; // a check mark or radio mark is shown
    bool checked = false;

    static CommandUiState enabledIf(bool enabled) { return {enabled, false, false}; }
    static CommandUiState checkMark(bool checked, bool enabled = true)
    {
        return {enabled, true, checked};
    }
};

// Command routing by number. Every object that handles commands (the active view, its
// document, its document window, the main frame, the application) registers each of its
// commands once, with the handler and the state; the main frame asks them in that order. A
// command that nobody handles is shown disabled.
class CommandTarget
{
public:
    using Handler = std::function<void()>;
    // The command's state now; nothing while this target does not handle it.
    using StateQuery = std::function<std::optional<CommandUiState>()>;

    virtual ~CommandTarget() = default;

    // Nothing when this target does not handle the command (now).
    std::optional<CommandUiState> commandState(int id) const;
    // Runs the command when this target handles it and it is enabled; false when this target
    // does not handle it.
    bool runCommand(int id);

protected:
    // Without a state query the command is always handled and enabled.
    void registerCommand(int id, Handler handler, StateQuery state = {});

private:
    struct Entry
    {
        Handler handler;
        StateQuery state;
    };
    QHash<int, Entry> m_commands;
};
