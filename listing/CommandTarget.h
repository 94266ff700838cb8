#pragma once

// Command routing by number. Every object that handles commands (the active view, its
// document, its document window, the main frame, the application) implements this; the
// main frame tries them in that order. A command that nobody handles is shown disabled.
struct CommandUiState
{
    bool enabled = true;
    bool checkable = false; // a check mark or radio mark is shown
    bool checked = false;
};

class CommandTarget
{
public:
    virtual ~CommandTarget() = default;
    // Runs the command; false when this target does not handle it.
    virtual bool onCommand(int id) = 0;
    // Fills state and returns true when this target handles the command.
    virtual bool commandState(int id, CommandUiState &state) const = 0;
};
