# bash completion for quirewell-cli: commands, options, folders, the --config file and the
# names of presets.

# The options, those that take a value ("  --find TEXT   ...", "  --help, --version") and the
# words of those that take one of a few ("  --apply-to name|title|extension"), as the
# program's --help lists them; read once per shell.
_quirewell_cli_options()
{
    [[ -n ${_quirewell_cli_all-} ]] && return 0
    local line synopsis item
    _quirewell_cli_all=' '
    _quirewell_cli_valued=' '
    declare -gA _quirewell_cli_choices=()
    while IFS= read -r line; do
        [[ $line =~ ^\ \ (--[a-z].*) ]] || continue
        synopsis=${BASH_REMATCH[1]%%  *}
        while read -r item; do
            [[ $item =~ ^(--[a-z][a-z-]*)(\ ([A-Z]+|[a-z]+(\|[a-z]+)+))?$ ]] || continue
            _quirewell_cli_all+="${BASH_REMATCH[1]} "
            [[ -n ${BASH_REMATCH[2]} ]] && _quirewell_cli_valued+="${BASH_REMATCH[1]} "
            [[ ${BASH_REMATCH[3]} == *'|'* ]] &&
                _quirewell_cli_choices[${BASH_REMATCH[1]}]=${BASH_REMATCH[3]//|/ }
        done <<<"${synopsis//, /$'\n'}"
    done < <(command quirewell-cli --help 2>/dev/null)
}

_quirewell_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local folder_commands='list preview rename apply edit'
    local commands="$folder_commands history undo keep presets"
    _quirewell_cli_options
    local options=$_quirewell_cli_all valued=$_quirewell_cli_valued
    COMPREPLY=()

    # readline splits "--option=value" at "=": the value's option stands before the "=".
    local option=
    if [[ $cur == = ]]; then
        option=$prev
        cur=
    elif [[ $prev == = ]] && ((COMP_CWORD >= 2)); then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $valued == *" $prev "* ]]; then
        option=$prev
    fi
    if [[ -n $option ]]; then
        if [[ $option == --config ]]; then
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        elif [[ $option == --preset ]]; then
            # One name per line; a name may hold spaces, which the shell then escapes.
            local name
            while IFS= read -r name; do
                [[ $name == "$cur"* ]] && COMPREPLY+=("$name")
            done < <(command quirewell-cli presets 2>/dev/null)
            compopt -o filenames 2>/dev/null
        elif [[ -n ${_quirewell_cli_choices[$option]-} ]]; then
            mapfile -t COMPREPLY < <(compgen -W "${_quirewell_cli_choices[$option]}" -- "$cur")
        fi
        return 0
    fi

    # The words before this one: a command, then its folder; option values are skipped.
    local i word command= positional=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $valued == *" $word "* ]]; then
            # "--find TEXT" or "--find = TEXT"
            [[ ${COMP_WORDS[i + 1]} == = ]] && ((i++))
            ((i++))
        elif [[ $word == = ]]; then
            ((i++))
        elif [[ $word != -* ]]; then
            ((positional == 0)) && command=$word
            ((positional++))
        fi
    done

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    elif ((positional == 0)); then
        mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur")
    elif ((positional == 1)) && [[ " $folder_commands " == *" $command "* ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
    elif ((positional == 2)) && [[ $command == apply ]]; then
        # apply FOLDER MAPPING: the mapping is a file.
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
    return 0
}
complete -F _quirewell_cli quirewell-cli
