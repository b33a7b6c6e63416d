# bash completion for quodrill: its options, puzzle files and the numbers that options take.
# A new option goes into the list of options below, and, when it takes a value, into the case.

_quodrill() {
    local cur prev words cword
    # -s splits "--jobs=N" at "=", so that the value is completed as after "--jobs N".
    _init_completion -s || return

    local options="--solve -s --seed --max-guesses -j --jobs --stats --csv --count-solutions -h --help
        -V --version"

    # After "--" every word is a file.
    local i
    for ((i = 1; i < cword; i++)); do
        if [[ ${words[i]} == -- ]]; then
            _filedir
            return
        fi
    done

    case $prev in
        -j | --jobs)
            # One thread for each processor by default; offer 1 up to that count.
            local processors
            processors=$(nproc 2>/dev/null || echo 1)
            COMPREPLY=($(compgen -W "$(seq 1 "$processors")" -- "$cur"))
            return
            ;;
        --max-guesses)
            COMPREPLY=($(compgen -W "0 100 1000 32767" -- "$cur"))
            return
            ;;
        -s | --seed | -style | -display)
            # A value of the user's own choosing.
            return
            ;;
        -platform)
            # Options of every Qt program, for the window.
            COMPREPLY=($(compgen -W "xcb wayland offscreen minimal" -- "$cur"))
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    _filedir
}
complete -F _quodrill quodrill
