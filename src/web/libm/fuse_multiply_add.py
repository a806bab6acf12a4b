#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fuses multiplies into the additions that use them, in LLVM IR, as x86-64's code generator does with
-ffp-contract=fast and FMA instructions: a multiply used once, by an fadd or fsub of the same block, becomes
one llvm.fma with it. The multiply is left for dead-code elimination; the fast-math flags go, so that no
later pass fuses or reorders anything else.  usage: fuse_multiply_add.py IN.ll OUT.ll"""
import re
import sys

DEFINITION = re.compile(r"^(\s*)(%[\w.]+) = (fmul|fadd|fsub)((?: [a-z]+)*) double (.*)$")
LABEL = re.compile(r"^[\w.]+:|^define ")


def operands(text):
    return [t.strip() for t in text.split(",", 1)]


def main(source, target):
    lines = open(source).read().split("\n")
    uses = {}
    for line in lines:
        used = line.split("=", 1)[1] if re.match(r"^\s*%[\w.]+ =", line) else line
        for name in re.findall(r"%[\w.]+", used):
            uses[name] = uses.get(name, 0) + 1
    block, products, fused, out = 0, {}, set(), list(lines)
    for i, line in enumerate(lines):
        if LABEL.match(line):
            block += 1
        m = DEFINITION.match(line)
        if not m:
            continue
        indent, name, op, _, rest = m.groups()
        if op == "fmul":
            products[name] = (operands(rest), block, i)
            continue

        def product(value):
            p = products.get(value)
            return p if p and p[1] == block and uses.get(value) == 1 and p[2] not in fused else None

        a, b = operands(rest)
        negated = "%n." + name[1:]
        if op == "fadd" and (product(a) or product(b)):
            p, other = (product(a), b) if product(a) else (product(b), a)
            x, y = p[0]
            out[i] = f"{indent}{name} = call double @llvm.fma.f64(double {x}, double {y}, double {other})"
        elif op == "fsub" and product(a):
            p = product(a)
            x, y = p[0]
            out[i] = (f"{indent}{negated} = fneg double {b}\n"
                      f"{indent}{name} = call double @llvm.fma.f64(double {x}, double {y}, double {negated})")
        elif op == "fsub" and product(b):
            p = product(b)
            x, y = p[0]
            out[i] = (f"{indent}{negated} = fneg double {x}\n"
                      f"{indent}{name} = call double @llvm.fma.f64(double {negated}, double {y}, double {a})")
        else:
            continue
        fused.add(p[2])
    text = re.sub(r" (?:contract|reassoc|nnan|ninf|nsz|arcp|afn|fast)(?= )", "", "\n".join(out))
    if "declare double @llvm.fma.f64" not in text:
        text += "\ndeclare double @llvm.fma.f64(double, double, double)\n"
    open(target, "w").write(text)


if __name__ == "__main__":
    main(*sys.argv[1:3])
