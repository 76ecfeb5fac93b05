# Bash completion for fotlex-cli. The commands and their options are listed
# here rather than read from `--help`, whose text follows the user's
# language; a test (tests/cli/CliTest.cpp) compares these lists with the
# program's own parsers, so a new command or option is added here too.

_fotlex_cli_commands="info rename undo"

# The long options of a command, or of the program itself without one.
_fotlex_cli_options()
{
    case ${1-} in
    info) echo "--help --json" ;;
    rename) echo "--help --dry-run --file-times --freeze --burst --shift --pattern --to --copy --video-tz --no-companions --quiet --verbose" ;;
    undo) echo "--help --list --quiet --verbose" ;;
    *) echo "--help --version" ;;
    esac
}

# The options followed by a value: nothing to offer after them.
_fotlex_cli_valued="--freeze --shift --pattern --video-tz"
# The options followed by a folder: folders are offered after them.
_fotlex_cli_folder_valued="--to"

_fotlex_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$_fotlex_cli_commands $(_fotlex_cli_options)" -- "$cur")
        compopt +o default
    elif [[ " $_fotlex_cli_valued " == *" $prev "* ]]; then
        # No file names either.
        compopt +o default
        COMPREPLY=()
    elif [[ " $_fotlex_cli_folder_valued " == *" $prev "* ]]; then
        compopt +o default -o dirnames
        COMPREPLY=()
    elif [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_fotlex_cli_options "${COMP_WORDS[1]}")" -- "$cur")
    fi
    return 0
}

complete -o default -F _fotlex_cli fotlex-cli
