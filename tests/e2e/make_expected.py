#!/usr/bin/env python3
"""Writes the expected output files of the end-to-end cases.

The numbers are computed here again, independently of the program's code:
the same formulas in the same order of operations (Python floats are IEEE
doubles with the same library functions), rendered into the report's fields
by exact decimal arithmetic with the two rounding steps of the fields (the
first 18 digits truncated and rounded to 17, then rounded to the field's
digits), and laid out record by record.

    make_expected.py OUTPUT_FOLDER   writes <case>/{dados.txt,saida.txt,temp.dat,temp_med.dat,numeros.txt}

numeros.txt holds the exact doubles of the run (hexadecimal, as float.hex
writes them): the derived sizes, the coefficients, the final fields and the
mean histories, for the tests that compare the numerics bit for bit.

    make_expected.py --function-values COMMAND OUTPUT_FOLDER
        the same with the values of sin, exp, acos and pow taken from
        COMMAND (a build's function_values program: natively, under qemu
        for aarch64, under wine for Windows), so that a build whose C
        library rounds one of them differently in the last bit (another
        runtime, or the GNU C library's variant for a processor without
        FMA) is still compared byte for byte on everything else; how many
        values differ from this Python's is said on stderr.
"""
import argparse
import collections
import math
import os
import shlex
import struct
import subprocess
import sys
from decimal import Decimal

# The library functions whose values enter the results. Every call goes
# through these four, so that another runtime's values can stand in for the
# host's.
Functions = collections.namedtuple("Functions", "sin exp pow acos")
HOST_FUNCTIONS = Functions(sin=math.sin, exp=math.exp, pow=math.pow, acos=math.acos)


class ProgramFunctions:
    """The four functions as another build computes them: a helper program
    answers one request a line, doubles as the hex digits of their bits.
    Counts the values that differ from the host's."""

    def __init__(self, command):
        self.helper = subprocess.Popen(shlex.split(command), stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.calls = collections.Counter()
        self.differ = collections.Counter()

    @staticmethod
    def bits(x):
        return "%016x" % struct.unpack("<Q", struct.pack("<d", x))[0]

    def ask(self, name, *arguments):
        self.helper.stdin.write(" ".join([name] + [self.bits(a) for a in arguments]) + "\n")
        self.helper.stdin.flush()
        answer = self.helper.stdout.readline()
        if not answer:
            sys.exit("make_expected.py: the function-values helper stopped")
        value = struct.unpack("<d", struct.pack("<Q", int(answer, 16)))[0]
        self.calls[name] += 1
        if self.bits(value) != self.bits(getattr(HOST_FUNCTIONS, name)(*arguments)):
            self.differ[name] += 1
        return value

    def sin(self, x):
        return self.ask("sin", x)

    def exp(self, x):
        return self.ask("exp", x)

    def pow(self, a, b):
        return self.ask("pow", a, b)

    def acos(self, x):
        return self.ask("acos", x)

    def close(self):
        self.helper.stdin.close()
        self.helper.wait()
        for name in sorted(self.calls):
            print("%s: %d of %d values differ from the host's" % (name, self.differ[name], self.calls[name]),
                  file=sys.stderr)

CASES = {
    # name: N, nt, tf, theta, alpha, L, Ta, Tb
    "dois_volumes": (2, 1, 1.0, 1.0, 1.0, 1.0, 0.0, 0.0),
    "contornos": (3, 2, 0.5, 0.5, 0.1, 2.0, 10.0, -5.0),
    "decaimento_longo": (2, 2, 30.0, 1.0, 1.0, 1.0, 0.0, 0.0),
    "explicito": (5, 4, 0.02, 0.0, 1.0, 1.0, 1.0, 0.5),
    # Times, weights, properties and lengths inexact in binary, so that an
    # operation taken in another order shows in the last digits.
    "inexato": (7, 13, 0.9, 0.37, 0.011, 0.3, 12.5, -3.25),
    # The same, large enough that every file crosses its unit buffer, and
    # chosen so that each one-off quotient (dt, dx, the coefficients) also
    # differs when its operations are regrouped.
    "varios_buffers": (40, 42, 11.3, 0.52, 0.0064, 0.9, -5.29, 0.07),
    "exemplo": (20, 200, 0.1, 0.5, 1.0, 1.0, 0.0, 0.0),  # examples/dados.txt
    # One step whose decay exp(-pi^2 t) the C library's FMA-compiled exp and
    # its plain one round apart: the analytic column ends in other digits on
    # a processor without FMA (.ci/no-fma checks with it that the variant
    # was really changed).
    "ultimo_digito": (3, 1, 0.3995, 0.5, 1.0, 1.0, 0.0, 0.0),
}


# --- numbers -------------------------------------------------------------

def simulate(N, nt, tf, theta, alpha, L, Ta, Tb, f=HOST_FUNCTIONS):
    dx = L / N
    dt = tf / nt
    t = 0.0
    g = lambda: (dt * theta) / dx
    d = lambda: dx / alpha
    aw = [0.0] * (N + 1)
    ap = [0.0] * (N + 1)
    ae = [0.0] * (N + 1)
    aw[1] = 0.0
    ae[1] = g()
    ap[1] = (ae[1] * 3.0) + d()
    for i in range(2, N):
        aw[i] = g()
        ae[i] = g()
        ap[i] = (ae[i] + aw[i]) + d()
    aw[N] = g()
    ae[N] = 0.0
    ap[N] = (aw[N] * 3.0) + d()

    pi = f.acos(-1.0)
    T0 = [0.0] * (N + 1)
    T = [0.0] * (N + 1)
    for i in range(1, N + 1):
        x = (float(i) - 0.5) * dx
        T0[i] = f.sin((x * pi) / L)
        T[i] = f.sin((x * pi) / L)

    def mean_numeric():
        s = ((T[1] + Ta) * dx) * 0.25
        for i in range(2, N + 1):
            s = (((T[i - 1] + T[i]) * dx) * 0.5) + s
        s = (((T[N] + Tb) * dx) * 0.25) + s
        return s / L

    def decay():
        return f.exp(-(((f.pow(pi, 2.0) * t) * alpha) / f.pow(L, 2.0)))

    def mean_analytic():
        return (decay() * 2.0) / pi

    Tm = [mean_numeric()]
    Tman = [mean_analytic()]
    bp = [0.0] * (N + 1)
    for _ in range(1, nt + 1):
        t = t + dt
        ap0 = ((((theta - 1.0) * dt) * 3.0) / dx) + d()
        anb0 = ((1.0 - theta) * dt) / dx
        bp[1] = (((dt * Ta) * 2.0) / dx) + ((T0[2] * anb0) + (T0[1] * ap0))
        ap0 = ((((theta - 1.0) * dt) * 2.0) / dx) + d()
        anb0 = ((1.0 - theta) * dt) / dx
        for i in range(2, N):
            bp[i] = ((T0[i + 1] + T0[i - 1]) * anb0) + (T0[i] * ap0)
        ap0 = ((((theta - 1.0) * dt) * 3.0) / dx) + d()
        anb0 = ((1.0 - theta) * dt) / dx
        bp[N] = (((Tb * dt) * 2.0) / dx) + ((T0[N - 1] * anb0) + (T0[N] * ap0))
        # Thomas algorithm
        P = [0.0] * (N + 1)
        Q = [0.0] * (N + 1)
        P[1] = ae[1] / ap[1]
        Q[1] = bp[1] / ap[1]
        for i in range(2, N + 1):
            den = ap[i] - (P[i - 1] * aw[i])
            P[i] = ae[i] / den
            Q[i] = ((Q[i - 1] * aw[i]) + bp[i]) / den
        T[N] = Q[N]
        for i in range(N - 1, 0, -1):
            T[i] = (P[i] * T[i + 1]) + Q[i]
        Tm.append(mean_numeric())
        Tman.append(mean_analytic())
        T0 = T[:]
    Tan = [0.0] * (N + 1)
    for i in range(1, N + 1):
        x = (float(i) - 0.5) * dx
        Tan[i] = f.sin((x * pi) / L) * decay()
    return dict(dx=dx, dt=dt, t=t, aw=aw, ap=ap, ae=ae, bp=bp, T=T, Tan=Tan, Tm=Tm, Tman=Tman)


# --- fields --------------------------------------------------------------

def seventeen_digits(value):
    """Sign, digit string (at most 17 digits, no trailing zeros) and exponent x
    with value = 0.d1d2... * 10**x, from the exact decimal value."""
    if value == 0.0:
        return "", "0", 0
    exact = Decimal(abs(value))
    sign, digits, exponent = exact.as_tuple()
    digits = "".join(map(str, digits)).lstrip("0")
    x = len(digits) + exponent
    first18 = (digits + "0" * 18)[:18]
    kept = int(first18[:17]) + (1 if first18[17] >= "5" else 0)
    kept = str(kept)
    if len(kept) == 18:  # carry out of the first digit
        kept, x = "1", x + 1
    return ("-" if value < 0 else ""), kept.rstrip("0") or "0", x


def e_field(value, w, d):
    """1P,Ew.d with a two-digit exponent width."""
    sign, digits, x = seventeen_digits(value)
    n = min(d + 1, 16)
    if len(digits) > n:
        cut = int(digits[:n]) + (1 if digits[n] >= "5" else 0)
        cut = str(cut)
        if len(cut) > n:
            cut, x = "1" + "0" * n, x + 1
        digits = cut
    digits = (digits + "0" * (d + 1))[: d + 1]
    exponent = 0 if value == 0.0 else x - 1
    if -99 <= exponent <= 99:
        tail = "E%s%02d" % ("+" if exponent >= 0 else "-", abs(exponent))
    else:
        tail = "%s%03d" % ("+" if exponent >= 0 else "-", abs(exponent))
    text = sign + digits[0] + "." + digits[1:] + tail
    return text.rjust(w) if len(text) <= w else "*" * w


def i_field(value, w):
    text = str(value)
    return text.rjust(w) if len(text) <= w else "*" * w


def at(line, column, text):
    """Places text at a column (from 1) of a line being built."""
    return line.ljust(column - 1) + text


# --- files ---------------------------------------------------------------

def report(case, r):
    N, nt, tf, theta, alpha, L, Ta, Tb = case
    lines = [
        "Solução Numérica da Eq. de Difusão de Calor 1D em Regime Transiente com Propriedades Constantes",
        "",
        "Dados de entrada",
        "",
        at(" " * 9 + i_field(N, 9), 20, " = N:      número de volumes de controle"),
    ]
    for value, text in [
        (alpha, " = alpha:  difusividade térmica [m2/s]"),
        (L, " = L:      comprimento do domínio [m]"),
        (Ta, " = Ta:     temperatura do contorno esquerdo (x=0) [°C]"),
        (Tb, " = Tb:     temperatura do contorno direito  (x=L) [°C]"),
        (theta, " = theta:  formulação temporal empregada: 0 - explícita; 0.5 - Crank-Nicolson; 1 - totalmente implícita"),
    ]:
        lines.append(at(e_field(value, 18, 10), 20, text))
    lines += ["", "", "Coeficientes e termos-fontes"]
    header = "vol."
    for column, text in [(10, "oeste"), (35, "central"), (60, "leste"), (85, "termo-fonte")]:
        header = at(header, column, text)
    lines.append(header)
    for i in range(1, N + 1):
        lines.append(i_field(i, 5) + "".join(e_field(v, 25, 15) for v in (r["aw"][i], r["ap"][i], r["ae"][i], r["bp"][i])))
    lines += ["", "", "Soluções numéricas", ""]
    header = ""
    for column, text in [(5, "Volume"), (16, "Posição [m]"), (35, "Temp. numérica [°C]"), (60, "Temp. analítica [°C]"), (85, "Erro numérico [°C]")]:
        header = at(header, column, text)
    lines.append(header)
    plot = []

    def row(index, x, numeric, analytic):
        lines.append(i_field(index, 10) + e_field(x, 20, 9) + "".join(e_field(v, 25, 15) for v in (numeric, analytic, analytic - numeric)))
        plot.append(e_field(x, 20, 9) + e_field(numeric, 25, 15) + e_field(analytic, 25, 15))

    row(0, 0.0, Ta, Ta)
    for i in range(1, N + 1):
        row(i, (float(i) - 0.5) * r["dx"], r["T"][i], r["Tan"][i])
    row(N + 1, L, Tb, Tb)
    lines += ["", "", "Soluções numéricas - Temperaturas Médias", ""]
    header = ""
    for column, text in [(5, "Tempo [s]"), (30, "Numérica [°C]"), (55, "Analítica [°C]"), (80, "Erro numérico [°C]")]:
        header = at(header, column, text)
    lines.append(header)
    means = []
    for k in range(0, nt + 1):
        time = float(k) * r["dt"]
        lines.append("".join(e_field(v, 25, 15) for v in (time, r["Tm"][k], r["Tman"][k], r["Tman"][k] - r["Tm"][k])))
        means.append("".join(e_field(v, 25, 15) for v in (time, r["Tm"][k], r["Tman"][k])))
    assert len(lines) == 2 * N + nt + 27
    encode = lambda rows: "".join(line + "\r\n" for line in rows).encode("cp1252")
    return encode(lines), encode(plot), encode(means)


def numbers(r):
    """The exact doubles of the run, one name and its values a line: the
    arrays over volumes from index 1, those over time levels from 0."""
    lines = ["%s %s" % (name, r[name].hex()) for name in ("dx", "dt", "t")]
    for name in ("aw", "ap", "ae", "bp", "T", "Tan"):
        lines.append(" ".join([name] + [v.hex() for v in r[name][1:]]))
    for name in ("Tm", "Tman"):
        lines.append(" ".join([name] + [v.hex() for v in r[name]]))
    return "".join(line + "\n" for line in lines).encode()


def main(folder, functions=HOST_FUNCTIONS):
    for name, case in CASES.items():
        os.makedirs(os.path.join(folder, name), exist_ok=True)
        r = simulate(*case, f=functions)
        saida, temp, temp_med = report(case, r)
        N, nt, tf, theta, alpha, L, Ta, Tb = case
        dados = "%d\n%d\n%r\n%r\n%r\n%r\n%r\n%r\n" % (N, nt, tf, theta, alpha, L, Ta, Tb)
        for file_name, content in [("dados.txt", dados.encode()), ("saida.txt", saida), ("temp.dat", temp),
                                   ("temp_med.dat", temp_med), ("numeros.txt", numbers(r))]:
            with open(os.path.join(folder, name, file_name), "wb") as f:
                f.write(content)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description="Writes the expected output files of the end-to-end cases.")
    parser.add_argument("--function-values", metavar="COMMAND",
                        help="take sin, exp, acos and pow from this helper program")
    parser.add_argument("folder")
    arguments = parser.parse_args()
    if arguments.function_values:
        functions = ProgramFunctions(arguments.function_values)
        main(arguments.folder, functions)
        functions.close()
    else:
        main(arguments.folder)
