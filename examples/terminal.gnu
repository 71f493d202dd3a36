# Escolhe o terminal: uma janela que fica aberta até o usuário fechá-la quando
# há uma tela (no Windows, a janela do próprio wgnuplot; noutros sistemas,
# DISPLAY ou WAYLAND_DISPLAY com um terminal interativo); senão uma imagem
# PNG, cujo nome o script que carrega este define. Com -e "png=1" na linha de
# comando, sempre a imagem PNG.
janela = ''
if (strstrt(GPVAL_TERMINALS, ' windows ') > 0) {
    monitor = 1
    janela = 'windows'
} else {
    monitor = strlen(system('printf %s "$DISPLAY$WAYLAND_DISPLAY"')) > 0
    do for [candidato in 'qt wxt x11'] {
        if (janela eq '' && strstrt(GPVAL_TERMINALS, ' '.candidato.' ') > 0) {
            janela = candidato
        }
    }
}
interativo = monitor && janela ne '' && !(exists('png') && png)
if (interativo) {
    eval('set terminal '.janela.' size 900,600')
} else {
    if (strstrt(GPVAL_TERMINALS, ' pngcairo ') > 0) {
        set terminal pngcairo size 900,600 enhanced
    } else {
        set terminal png size 900,600
    }
}
