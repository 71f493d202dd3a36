# Comum aos dois scripts. Lê dos arquivos de dados o que os títulos dizem
# (N, o tempo final, Ta e Tb) e escolhe onde desenhar: sempre numa imagem PNG
# e, quando há uma tela, também numa janela que fica aberta até ser fechada:
# no Windows, a janela do próprio wgnuplot; noutros sistemas, com DISPLAY ou
# WAYLAND_DISPLAY, um terminal interativo do gnuplot.
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
interativo = monitor && janela ne ''
terminal_janela = 'set terminal '.janela.' size 900,700'
if (strstrt(GPVAL_TERMINALS, ' pngcairo ') > 0) {
    terminal_png = 'set terminal pngcairo size 900,700 enhanced'
} else {
    terminal_png = 'set terminal png size 900,700'
}

# N: as linhas de temp.dat menos as duas dos contornos; o tempo final: o
# último tempo de temp_med.dat; Ta e Tb: a temperatura da primeira e da
# última linha de temp.dat.
stats 'temp.dat' using 1 nooutput
N = STATS_records - 2
stats 'temp.dat' every ::0::0 using 2 nooutput
Ta = STATS_max
stats 'temp.dat' every ::(N+1)::(N+1) using 2 nooutput
Tb = STATS_max
stats 'temp_med.dat' using 1 nooutput
tempo_final = STATS_max

set encoding utf8
nota_contornos = (Ta != 0 || Tb != 0) ? \
    sprintf('Ta = %g °C, Tb = %g °C: a curva analítica supõe as duas extremidades a 0 °C', Ta, Tb) : ''
