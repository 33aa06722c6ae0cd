# Holds a class's journal as another program would, for the tests: "ecriture" (BEGIN EXCLUSIVE) or
# "lecture" (a read transaction). Says "tenu" on its output once it holds it; lets go at a line on
# its input (or after 60 s, should the test be gone).
import select, sqlite3, sys
base = sqlite3.connect(sys.argv[1], isolation_level=None, timeout=20)
if sys.argv[2] == "ecriture":
    base.execute("BEGIN EXCLUSIVE")
else:
    base.execute("BEGIN")
    base.execute("SELECT count(*) FROM journal_questions").fetchall()
print("tenu", flush=True)
select.select([sys.stdin], [], [], 60)
base.execute("COMMIT")
