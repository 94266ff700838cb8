# bash completion for quirewell-cli: commands, options, folders and the --config file.

_quirewell_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local folder_commands='list preview rename'
    local commands="$folder_commands history undo keep"
    local options='--config --find --replace --new-name --number-start --number-end --remove
        --upper --lower --recursive --hidden --read-only --yes --help --version'
    local valued=' --config --find --replace --new-name --number-start --number-end --remove '
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
    fi
    return 0
}
complete -F _quirewell_cli quirewell-cli
