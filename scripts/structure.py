#!/usr/bin/env python3
"""The include structure of src/: which units (a .cpp with its .h) depend on
which, and the circles among them.

A unit depends on another when its .h or .cpp includes the other's header.
A circle is a set of units each of which depends, through the others, on all
of them: none of them can be understood, tested or changed alone.

    scripts/structure.py            summary: units, dependencies, circles
    scripts/structure.py --circles  also the members of every circle
"""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src')
LAYERS = ['core', 'ui', 'platform', 'cli', 'app']
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def units():
    found = {}
    for layer in LAYERS:
        for folder, _, files in os.walk(os.path.join(ROOT, layer)):
            for f in files:
                stem, ext = os.path.splitext(f)
                if ext in ('.h', '.cpp'):
                    rel = os.path.relpath(os.path.join(folder, stem), ROOT)
                    found.setdefault(rel, []).append(os.path.join(folder, f))
    return found


def resolve(path, known):
    # An include names its layer ("core/…"); older trees named the folder inside it.
    stem = os.path.splitext(path)[0]
    if stem in known:
        return stem
    hits = [u for u in known if u.split('/', 1)[1] == stem]
    return hits[0] if len(hits) == 1 else None


def graph():
    known = units()
    edges = {u: set() for u in known}
    for unit, files in known.items():
        for f in files:
            with open(f, encoding='utf-8') as src:
                for inc in INCLUDE.findall(src.read()):
                    target = resolve(inc, known)
                    if target and target != unit:
                        edges[unit].add(target)
    return edges


def circles(edges):
    # Tarjan's strongly connected components, iteratively.
    index, low, on, stack, out = {}, {}, set(), [], []
    counter = [0]
    for start in sorted(edges):
        if start in index:
            continue
        work = [(start, iter(sorted(edges[start])))]
        index[start] = low[start] = counter[0]
        counter[0] += 1
        stack.append(start)
        on.add(start)
        while work:
            node, it = work[-1]
            nxt = next(it, None)
            if nxt is None:
                work.pop()
                if work:
                    low[work[-1][0]] = min(low[work[-1][0]], low[node])
                if low[node] == index[node]:
                    comp = []
                    while True:
                        w = stack.pop()
                        on.discard(w)
                        comp.append(w)
                        if w == node:
                            break
                    if len(comp) > 1:
                        out.append(sorted(comp))
            elif nxt not in index:
                index[nxt] = low[nxt] = counter[0]
                counter[0] += 1
                stack.append(nxt)
                on.add(nxt)
                work.append((nxt, iter(sorted(edges[nxt]))))
            elif nxt in on:
                low[node] = min(low[node], index[nxt])
    return sorted(out, key=len, reverse=True)


def main():
    edges = graph()
    found = circles(edges)
    print(f'units: {len(edges)}, dependencies: {sum(len(e) for e in edges.values())}')
    print(f'circles: {len(found)}, units in circles: {sum(len(c) for c in found)}, '
          f'largest: {len(found[0]) if found else 0}')
    if '--circles' in sys.argv:
        for c in found:
            print(f'\n{len(c)} units:')
            for u in c:
                print('  ' + u)


if __name__ == '__main__':
    main()
