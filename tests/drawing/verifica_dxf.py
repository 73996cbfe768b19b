#!/usr/bin/python3
"""Opens a DXF file with ezdxf as a CAD program would and lists what it read.

First line: "ERRORI <n>", the errors of the recovery and of the audit.
Then one line per entity of the model space, in file order:
  <type> <colour> <numbers...>|<text>
LINE: x1 y1 x2 y2; CIRCLE: x y r; POLYLINE: x y of each vertex;
TEXT: x y height, and after the bar the text as a reader shows it (its
escapes and control codes such as %%d resolved).
"""
import sys

from ezdxf import recover

doc, auditor = recover.readfile(sys.argv[1])
auditor_after = doc.audit()
print("ERRORI", len(auditor.errors) + len(auditor_after.errors))
for e in doc.modelspace():
    t = e.dxftype()
    numeri = []
    testo = ""
    if t == "LINE":
        numeri = [e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y]
    elif t == "CIRCLE":
        numeri = [e.dxf.center.x, e.dxf.center.y, e.dxf.radius]
    elif t == "POLYLINE":
        for v in e.vertices:
            numeri += [v.dxf.location.x, v.dxf.location.y]
    elif t == "TEXT":
        numeri = [e.dxf.insert.x, e.dxf.insert.y, e.dxf.height]
        testo = e.plain_text()
    print(t, e.dxf.color, " ".join(repr(float(n)) for n in numeri) + "|" + testo)
