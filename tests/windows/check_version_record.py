#!/usr/bin/env python3
"""Reads the version record and icon back from the linked scribblewick.exe, or with a version
given, the version record of the setup; exits 1 on a fault."""
import sys

import pefile

WANTED = {
    "ProductName": "scribblewick",
    "InternalName": "scribblewick",
    "OriginalFilename": "scribblewick.exe",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
}


def main(path):
    pe = pefile.PE(path)
    faults = []
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
        faults.append("not a 64-bit x86 exe")
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        faults.append("not a windowed program: a console would open beside it")

    fixed = pe.VS_FIXEDFILEINFO[0]
    for name, (ms, ls) in {"file": (fixed.FileVersionMS, fixed.FileVersionLS),
                           "product": (fixed.ProductVersionMS, fixed.ProductVersionLS)}.items():
        numeric = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if numeric != (1, 0, 0, 0):
            faults.append(f"numeric {name} version {numeric}")

    strings, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                if table.LangID != b"040904b0" and table.LangID != b"040904B0":
                    faults.append(f"string table {table.LangID!r}")
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                translations.extend(var.entry.values())
    for key, value in WANTED.items():
        if strings.get(key) != value:
            faults.append(f"{key} is {strings.get(key)!r}, not {value!r}")
    if not any(t.lower() == "0x0409 0x04b0" for t in translations):
        faults.append(f"translation {translations}, not 0x0409 with code page 1200")

    icons = [entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
             if entry.id == pefile.RESOURCE_TYPE["RT_ICON"]]
    groups = [entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
              if entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
    if not icons or not groups:
        faults.append("no icon")
    else:
        # The group lists each image: width, height, colours, reserved, planes, bits, ...
        group = groups[0].directory.entries[0].directory.entries[0].data.struct
        data = pe.get_data(group.OffsetToData, group.Size)
        count = int.from_bytes(data[4:6], "little")
        sizes = [(data[6 + 14 * i], data[7 + 14 * i],
                  int.from_bytes(data[12 + 14 * i:14 + 14 * i], "little")) for i in range(count)]
        if (32, 32, 8) not in sizes:
            faults.append(f"icon images {sizes}, no 32 x 32 at 8 bits")
        # Every size the Start menu, the taskbar and Explorer pick from (256 is written as 0).
        if sorted({w or 256 for w, _, _ in sizes}) != [16, 20, 24, 32, 40, 48, 64, 256]:
            faults.append(f"icon images {sizes}, not 16 to 256 pixels")

    for fault in faults:
        print(f"{path}: {fault}")
    if not faults:
        print(f"{path}: version record and icon as designed")
    return 1 if faults else 0


def strings_of(pe):
    found = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                found.update({k.decode(): v.decode() for k, v in table.entries.items()})
    return found


def check_setup(path, version):
    """The setup is a 64-bit exe (Wine here has no 32-bit side) with the project's version."""
    pe = pefile.PE(path)
    faults = []
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
        faults.append("not a 64-bit x86 exe")
    fixed = pe.VS_FIXEDFILEINFO[0]
    numeric = (fixed.ProductVersionMS >> 16, fixed.ProductVersionMS & 0xFFFF,
               fixed.ProductVersionLS >> 16, fixed.ProductVersionLS & 0xFFFF)
    wanted = tuple(int(part) for part in version.split(".")) + (0,)
    if numeric != wanted:
        faults.append(f"numeric version {numeric}, not {wanted}")
    strings = strings_of(pe)
    for key, value in {"ProductName": "Scribblewick", "ProductVersion": version,
                       "FileVersion": version, "CompanyName": "Scribblewick Toyworks",
                       "FileDescription": "Scribblewick Setup"}.items():
        if strings.get(key) != value:
            faults.append(f"{key} is {strings.get(key)!r}, not {value!r}")
    for fault in faults:
        print(f"{path}: {fault}")
    if not faults:
        print(f"{path}: a 64-bit setup, version record as designed")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) == 3:
        sys.exit(check_setup(sys.argv[1], sys.argv[2]))
    sys.exit(main(sys.argv[1]))
