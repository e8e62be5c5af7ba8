#!/usr/bin/env python3
"""Checks that every quoted include in the source tree points down the layers.

Usage: check_layers.py SOURCE_ROOT [ORDER_FILE]

ORDER_FILE (CONTRIBUTING.md under the root unless given) holds, in the first
fenced block after its "## Layers" heading, one folder per line, the lowest
layer first; text after a '#' is a comment. A folder that is not listed belongs
to its nearest listed parent. A file may include files of its own layer and of
the layers listed before it. Reported, with exit status 1:
  - an include of a file in a layer listed after the including file's layer;
  - a loop in the include graph of components, where a header and the source
    of the same name in the same folder are one component and an .inc file is
    one of its own.
Quoted includes are paths from the root; one that names no file under a listed
folder (a generated or toolkit header, a test helper) is not followed.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = ('.h', '.cpp', '.inc')


def read_layers(order_file):
    with open(order_file, encoding='utf-8') as f:
        lines = f.read().splitlines()
    try:
        start = next(i for i, line in enumerate(lines) if line.strip() == '## Layers')
        opening = next(i for i in range(start + 1, len(lines)) if lines[i].startswith('```'))
        closing = next(i for i in range(opening + 1, len(lines)) if lines[i].startswith('```'))
    except StopIteration:
        sys.exit(f'{order_file}: no fenced block under a "## Layers" heading')
    layers = [line.split('#', 1)[0].strip().strip('/') for line in lines[opening + 1:closing]]
    layers = [layer for layer in layers if layer]
    if not layers or len(set(layers)) != len(layers):
        sys.exit(f'{order_file}: the layer list is empty or names a folder twice')
    return layers


def layer_of(path, rank):
    """The listed folder that holds path (a file relative to the root), or None."""
    folder = os.path.dirname(path)
    while folder:
        if folder in rank:
            return folder
        folder = os.path.dirname(folder)
    return None


def component_of(path):
    stem, suffix = os.path.splitext(path)
    return path if suffix == '.inc' else stem


def strongly_connected(graph):
    """Tarjan's algorithm; yields the components of more than one node."""
    index, low, stack, on_stack, counter = {}, {}, [], set(), [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for succ in graph.get(node, ()):
            if succ not in index:
                yield from visit(succ)
                low[node] = min(low[node], low[succ])
            elif succ in on_stack:
                low[node] = min(low[node], index[succ])
        if low[node] == index[node]:
            members = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                members.append(member)
                if member == node:
                    break
            if len(members) > 1:
                yield sorted(members)

    for node in sorted(graph):
        if node not in index:
            yield from visit(node)


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit(__doc__)
    root = os.path.abspath(argv[1])
    layers = read_layers(argv[2] if len(argv) == 3 else os.path.join(root, 'CONTRIBUTING.md'))
    rank = {layer: i for i, layer in enumerate(layers)}

    # Every source file under a listed folder; a missing folder holds none.
    files = set()
    for layer in layers:
        for folder, _, names in os.walk(os.path.join(root, layer)):
            files.update(os.path.relpath(os.path.join(folder, name), root).replace(os.sep, '/')
                         for name in names if name.endswith(SOURCE_SUFFIXES))

    upward, graph, edges = [], {}, {}
    for path in sorted(files):
        layer = layer_of(path, rank)
        graph.setdefault(component_of(path), set())
        with open(os.path.join(root, path), encoding='utf-8', errors='replace') as f:
            for number, line in enumerate(f, 1):
                match = INCLUDE.match(line)
                target = match and os.path.normpath(match.group(1)).replace(os.sep, '/')
                if not target or target not in files:
                    continue
                target_layer = layer_of(target, rank)
                if rank[target_layer] > rank[layer]:
                    upward.append(f'  {path}:{number}: {layer} includes {target} '
                                  f'of {target_layer}, which is above it')
                source, dest = component_of(path), component_of(target)
                if source != dest:
                    graph[source].add(dest)
                    edges.setdefault((source, dest), []).append(f'{path}:{number} includes {target}')

    loops = list(strongly_connected(graph))
    report = []
    if upward:
        report.append('Includes that point to a layer above:')
        report += upward
    for members in loops:
        report.append('Loop between components: ' + ', '.join(members))
        inside = set(members)
        report += [f'    {edge}' for (source, dest), found in sorted(edges.items())
                   if source in inside and dest in inside for edge in found]
    if report:
        print('\n'.join(report))
        print(f'{len(upward)} upward include(s), {len(loops)} loop(s); '
              f'the layers are listed bottom first under "## Layers".')
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
