#!/usr/bin/env python3
"""Reads a velmora program back: its version record, its icon, its subsystem and its DLLs.

  check-exe.py EXE --name velmora --version 1.00 --fixed 1,0,0,0
  check-exe.py EXE --name velmora-cli --product velmora --console --version 1.00 --fixed 1,0,0,0

The names and the versions are the build's own (the product's name and the file's description
are the program's name unless given); the language, the code page and the three icon images are
those of the legacy program's record. Prints one line per check; exits 1 on a failure.
"""
import argparse
import struct
import sys

import pefile

JAPANESE, UNICODE = 0x0411, 1200
# (width, height, colours) of the legacy icon's images.
ICON_IMAGES = sorted([(32, 32, 2), (32, 32, 16), (16, 16, 16)])
# What every Windows has: the system's own DLLs and the C runtime MinGW builds on.
SYSTEM_DLLS = {
    "advapi32.dll", "comdlg32.dll", "d3d11.dll", "d3d9.dll", "dwmapi.dll", "dwrite.dll",
    "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll", "msvcrt.dll", "netapi32.dll",
    "ole32.dll", "oleaut32.dll", "setupapi.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll", "ws2_32.dll", "wtsapi32.dll",
    "authz.dll", "mpr.dll", "cfgmgr32.dll", "shcore.dll",
    # the print spooler, which printing goes through
    "winspool.drv",
    # API sets, which Windows 10 resolves to its own DLLs
    "api-ms-win-core-synch-l1-2-0.dll", "api-ms-win-core-winrt-l1-1-0.dll",
    "api-ms-win-core-winrt-string-l1-1-0.dll",
}

failures = 0


def check(what, got, want):
    global failures
    if got == want:
        print(f"ok: {what}: {got}")
    else:
        print(f"FAIL: {what}: got {got!r}, want {want!r}")
        failures += 1


def resources(pe, type_id):
    """(id, language, data) of every resource of one type."""
    found = []
    kinds = pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []
    for kind in kinds:
        if kind.id != type_id:
            continue
        for entry in kind.directory.entries:
            for language in entry.directory.entries:
                rva, size = language.data.struct.OffsetToData, language.data.struct.Size
                found.append((entry.id, language.id, pe.get_data(rva, size)))
    return found


def icon_image(data):
    """(width, height, colours) of one RT_ICON, from its bitmap header."""
    _, width, double_height, _, bit_count = struct.unpack_from("<IiiHH", data)
    return width, double_height // 2, 1 << bit_count


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("--name", required=True)
    parser.add_argument("--product", help="the product's name, by default the program's")
    parser.add_argument("--description", help="the file's description, by default its name")
    parser.add_argument("--console", action="store_true", help="a console program")
    parser.add_argument("--version", required=True)
    parser.add_argument("--fixed", required=True, help="four numbers, comma-separated")
    args = parser.parse_args()
    pe = pefile.PE(args.exe)

    check("subsystem", pefile.SUBSYSTEM_TYPE[pe.OPTIONAL_HEADER.Subsystem],
          "IMAGE_SUBSYSTEM_WINDOWS_CUI" if args.console else "IMAGE_SUBSYSTEM_WINDOWS_GUI")
    imported = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    print(f"imports: {' '.join(imported)}")
    check("DLLs beyond Windows' own", [dll for dll in imported if dll not in SYSTEM_DLLS], [])

    records = [hex(language) for _, language, _ in resources(pe, 16)]
    check("version records", records, [hex(JAPANESE)])
    strings = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                language_code_page = int(table.LangID, 16)
                check("string table", (hex(language_code_page >> 16), language_code_page & 0xFFFF),
                      (hex(JAPANESE), UNICODE))
                strings = {k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            language, code_page = (int(n, 16) for n in info.Var[0].entry[b"Translation"].split())
            check("translation", (hex(language), code_page), (hex(JAPANESE), UNICODE))
    for key, want in [("FileVersion", args.version), ("ProductVersion", args.version),
                      ("ProductName", args.product or args.name),
                      ("FileDescription", args.description or args.name),
                      ("InternalName", args.name), ("OriginalFilename", f"{args.name}.exe")]:
        check(key, strings.get(key), want)
    fixed = pe.VS_FIXEDFILEINFO[0]
    def four_parts(most, least):
        return f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"
    want = args.fixed.replace(",", ".")
    check("fixed file version", four_parts(fixed.FileVersionMS, fixed.FileVersionLS), want)
    check("fixed product version", four_parts(fixed.ProductVersionMS, fixed.ProductVersionLS), want)

    groups = resources(pe, 14)
    check("icon groups", len(groups), 1)
    icons = {icon_id: data for icon_id, _, data in resources(pe, 3)}
    if groups:
        data = groups[0][2]
        _, _, count = struct.unpack_from("<HHH", data)
        listed, drawn = [], []
        for i in range(count):
            entry = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
            width, height, colours, icon_id = entry[0], entry[1], entry[2], entry[7]
            listed.append((width or 256, height or 256, colours or 256))
            drawn.append(icon_image(icons[icon_id]) if icon_id in icons else (0, 0, 0))
        check("icon images listed", sorted(listed), ICON_IMAGES)
        check("icon images drawn", sorted(drawn), ICON_IMAGES)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
