# Convergência da solução numérica: os três erros no tempo final de
# convergencia.dat (gravado por difusao1d --convergencia) contra dx, em eixos
# log-log, com uma reta de inclinação 2 para comparar; na legenda, as ordens
# observadas de um nível ao seguinte. Sempre em convergencia.png; também numa
# janela, se houver uma (como em terminal.gnu, mas sem ler temp.dat).

# Onde desenhar (difusao1d --evolucao copia este bloco em evolucao.gnu).
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
# Fim de onde desenhar.
set encoding utf8

# Colunas de convergencia.dat: N nt dx dt erro_max erro_rms erro_media
# ordem_max ordem_rms ordem_media ("-" nas ordens do primeiro nível).
stats 'convergencia.dat' using 3 nooutput
niveis = STATS_records
ordens_max = ''
ordens_rms = ''
ordens_media = ''
do for [k = 1:niveis-1] {
    stats 'convergencia.dat' every ::k::k using 8 nooutput
    ordens_max = ordens_max.sprintf(' %.2f', STATS_max)
    stats 'convergencia.dat' every ::k::k using 9 nooutput
    ordens_rms = ordens_rms.sprintf(' %.2f', STATS_max)
    stats 'convergencia.dat' every ::k::k using 10 nooutput
    ordens_media = ordens_media.sprintf(' %.2f', STATS_max)
}
# A reta de inclinação 2 passa pelo erro máximo do primeiro nível.
stats 'convergencia.dat' every ::0::0 using 3 nooutput
dx0 = STATS_max
stats 'convergencia.dat' every ::0::0 using 5 nooutput
erro0 = STATS_max
referencia(dx) = erro0*(dx/dx0)**2

desenho = "set title 'Convergência: erros no tempo final contra dx (ordens observadas na legenda)'; \
  set grid; set logscale xy; set format x '%g'; set format y '%.0e'; set key top left; \
  set xlabel 'dx [m]'; set ylabel 'Erro [°C]'; \
  plot 'convergencia.dat' using 3:5 with linespoints pointtype 7 title 'erro máximo, ordens'.ordens_max, \
       '' using 3:6 with linespoints pointtype 5 title 'erro RMS, ordens'.ordens_rms, \
       '' using 3:7 with linespoints pointtype 9 title 'erro da média, ordens'.ordens_media, \
       referencia(x) with lines dashtype 2 linecolor 'black' title 'inclinação 2'"

eval(terminal_png)
set output 'convergencia.png'
eval(desenho)
set output
if (interativo) {
    eval(terminal_janela)
    eval(desenho)
    pause mouse close
}
