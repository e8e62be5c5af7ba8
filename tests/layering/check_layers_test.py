#!/usr/bin/env python3
"""Runs check_layers.py on the fixture tree, which holds exactly one upward
include and one loop of two components, and fails unless the checker exits 1
and reports those two and nothing else."""
import os
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
fixture = os.path.join(here, 'fixture')
run = subprocess.run([sys.executable, os.path.join(here, 'check_layers.py'), fixture,
                      os.path.join(fixture, 'layers.md')], capture_output=True, text=True)
print(run.stdout, run.stderr, sep='')
expected = [
    '  low/base.h:4: low includes high/top.h of high, which is above it',
    'Loop between components: high/a, high/b',
    '1 upward include(s), 1 loop(s);',
]
lines = run.stdout.splitlines()
missing = [e for e in expected if not any(line.startswith(e) for line in lines)]
if run.returncode != 1 or missing:
    sys.exit(f'FAIL: exit status {run.returncode} (want 1); not reported: {missing}')
