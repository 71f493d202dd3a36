# Escolhe o terminal: uma janela que fica aberta até o usuário fechá-la quando
# há um monitor (DISPLAY ou WAYLAND_DISPLAY) e um terminal interativo; senão
# uma imagem PNG, cujo nome o script que carrega este define.
monitor = strlen(system('printf %s "$DISPLAY$WAYLAND_DISPLAY"')) > 0
janela = ''
do for [candidato in 'qt wxt x11'] {
    if (janela eq '' && strstrt(GPVAL_TERMINALS, ' '.candidato.' ') > 0) {
        janela = candidato
    }
}
interativo = monitor && janela ne ''
if (interativo) {
    eval('set terminal '.janela.' size 900,600')
} else {
    if (strstrt(GPVAL_TERMINALS, ' pngcairo ') > 0) {
        set terminal pngcairo size 900,600 enhanced
    } else {
        set terminal png size 900,600
    }
}
