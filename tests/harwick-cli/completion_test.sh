#!/bin/bash
# The bash completion of harwick, as bash runs it at a Tab: each command
# line below (the word being completed last) must be offered the words
# after "->". Usage: completion_test.sh COMPLETION_FILE
set -u
# shellcheck source=/dev/null
source "$1" || exit 1
export XDG_CONFIG_HOME=/nonexistent

failures=0
offers()
{
    local line=$1 want=$2 word
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _harwick 2>/dev/null
    for word in $want; do
        if [[ " ${COMPREPLY[*]} " != *" $word "* ]]; then
            echo "FAIL: '$line' does not offer '$word' (offers: ${COMPREPLY[*]})"
            failures=$((failures + 1))
        fi
    done
}

offers 'harwick ' 'convert reduce station cable ports usb help --help --version'
offers 'harwick sta' 'station'
offers 'harwick help ' 'convert reduce station cable ports usb'
offers 'harwick convert --to ' 'gsi16 csv geojson landxml dxf'
offers 'harwick convert --from ' 'auto'
offers 'harwick reduce --' '--compare --json --precision'
offers 'harwick station ' 'list download upload erase'
offers 'harwick station list COM3 --' '--json --timeout --log'
offers 'harwick station download COM3 ' 'job codelist hal val'
offers 'harwick station download COM3 job 1 ' 'fixpoints measurements'
offers 'harwick station download COM3 job 1 fixpoints out.gsi --' '--quiet'
offers 'harwick station upload COM3 up.gsi --' '--job --name --quiet'
offers 'harwick station erase COM3 job 1 --' '--yes'
offers 'harwick cable ' 'convert receive send'
offers 'harwick cable convert ' 'code-blocks gsi-to-kard kard-to-dxf'
offers 'harwick cable receive ' 'usb'
offers 'harwick cable receive usb got.txt --' '--quiet --log'
offers 'harwick cable send COM1 pts.dat --' '--blocks --quiet'
offers 'harwick cable send COM1 pts.dat --blocks ' 'coords codes'
offers 'harwick ports ' 'map --json'
offers 'harwick usb ' 'list add'
offers 'harwick usb list ' '--json'

# Nothing is offered where nothing fits.
offers 'harwick zz' ''
read -r -a COMP_WORDS <<<'harwick zz'
COMP_CWORD=1
COMPREPLY=()
_harwick
if ((${#COMPREPLY[@]} != 0)); then
    echo "FAIL: 'harwick zz' offers ${COMPREPLY[*]}"
    failures=$((failures + 1))
fi

((failures == 0)) && echo "every completion offered"
exit $((failures != 0))
