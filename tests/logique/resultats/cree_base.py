#!/usr/bin/python3
"""Makes a database for the tests with one statement: cree_base.py <file> <statement>."""
import sqlite3
import sys

base = sqlite3.connect(sys.argv[1])
base.execute(sys.argv[2])
base.commit()
print("{}")
