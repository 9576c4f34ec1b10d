# bash completion for zenta-oblicz

_zenta_oblicz()
{
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    local opcje="--pomoc --help --wersja --version --dane --json --csv --szczegoly --bilans --sprawdz
                 --rysunek --napr --rozmiar --wykres --raport --do-tekstu --z-tekstu -o --wyjscie"

    case $prev in
        --rysunek)
            COMPREPLY=($(compgen -f -X '!*.@(svg|png)' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --raport)
            COMPREPLY=($(compgen -f -X '!*.html' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --rozmiar)
            COMPREPLY=($(compgen -W "1280x800 800x600 1920x1080" -- "$cur"))
            return ;;
        --wykres)
            COMPREPLY=($(compgen -W "N napr u" -- "$cur"))
            return ;;
        -o|--wyjscie)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
    esac
    if [[ ${COMP_CWORD} -ge 2 && ${COMP_WORDS[COMP_CWORD-2]} == --wykres ]]; then
        COMPREPLY=($(compgen -f -X '!*.@(svg|png)' -- "$cur") $(compgen -d -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$opcje" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -X '!*.@(M1D|m1d|txt)' -- "$cur") $(compgen -d -- "$cur"))
}
complete -o filenames -F _zenta_oblicz zenta-oblicz
