#!/usr/bin/env python3
"""Prints what a Windows program's version record says: product version, fixed file version
(four numbers with points) and company name, on one line.   read-version.py EXE"""
import sys

import pefile

pe = pefile.PE(sys.argv[1], fast_load=False)
strings = {}
for info in pe.FileInfo[0]:
    if info.Key == b"StringFileInfo":
        strings = {k.decode(): v.decode() for k, v in info.StringTable[0].entries.items()}
fixed = pe.VS_FIXEDFILEINFO[0]
parts = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16,
         fixed.FileVersionLS & 0xFFFF)
print(strings["ProductVersion"], ".".join(map(str, parts)), strings["CompanyName"])
