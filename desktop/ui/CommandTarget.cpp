#include "desktop/ui/CommandTarget.h"

std::optional<CommandUiState> CommandTarget::commandState(int id) const
{
    const auto found = m_commands.constFind(id);
    if (found == m_commands.constEnd())
        return std::nullopt;
    return found->state ? found->state() : CommandUiState{};
}

bool CommandTarget::runCommand(int id)
{
    const std::optional<CommandUiState> state = commandState(id);
    if (!state)
        return false;
    if (state->enabled) {
        // A copy: the handler may end this target's life (a closed window).
        const Handler handler = m_commands.value(id).handler;
        handler();
    }
    return true;
}

void CommandTarget::registerCommand(int id, Handler handler, StateQuery state)
{
    m_commands.insert(id, Entry{std::move(handler), std::move(state)});
}
