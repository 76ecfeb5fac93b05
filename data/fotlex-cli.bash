# Bash completion for fotlex-cli. The commands and their options are read
# from the program's own `--help`, so a new command or option needs no change
# here. Its layout: under "Befehle:" one line per command, its name first and
# its options as --name (followed by "VALUE" or a capital word when the option
# takes a value); under "Optionen:" one line per option of its own.

# Prints the lines of one section of the help text, without their indent.
_fotlex_cli_section()
{
    awk -v title="$1" '$0 == title { on = 1; next } /^$/ { on = 0 } on { sub(/^ +/, ""); print }'
}

_fotlex_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local help usage
    # The German help, whatever the user's language: its headings are parsed.
    help=$(LC_ALL=C "${COMP_WORDS[0]}" --help 2>/dev/null) || return 0

    if ((COMP_CWORD == 1)); then
        local words
        words=$(_fotlex_cli_section "Befehle:" <<<"$help"; _fotlex_cli_section "Optionen:" <<<"$help")
        mapfile -t COMPREPLY < <(compgen -W "$(awk '{ print $1 }' <<<"$words")" -- "$cur")
        compopt +o default
        return 0
    fi

    usage=$(_fotlex_cli_section "Befehle:" <<<"$help" | awk -v c="${COMP_WORDS[1]}" '$1 == c')
    if [[ $prev == --* ]] && grep -qE -- "(^| |\[)$prev [\"A-Z]" <<<"$usage"; then
        # The option's value: nothing to offer, and no file names either.
        compopt +o default
        COMPREPLY=()
    elif [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(grep -oE -- '--[a-z-]+' <<<"$usage")" -- "$cur")
    fi
    return 0
}

complete -o default -F _fotlex_cli fotlex-cli
