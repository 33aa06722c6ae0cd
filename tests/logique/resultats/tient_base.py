#!/usr/bin/python3
"""Another program holding a database's lock: tient_base.py <file> <seconds> takes an exclusive
lock, says "pret", and keeps it until its input is closed, or for <seconds> at most."""
import select
import sqlite3
import sys

base = sqlite3.connect(sys.argv[1], isolation_level=None)
base.execute("BEGIN EXCLUSIVE")
print("pret", flush=True)
select.select([sys.stdin], [], [], float(sys.argv[2]))
base.execute("ROLLBACK")
