# installer_test.py -- the installers: kvrnpss64.msi installed and removed silently under Wine (the saver
# in the system folder, made the current screen saver by its short path, listed in Programs and Features,
# the earlier saver given back on removal, the settings kept); both packages read table by table, since
# the 32-bit one cannot run here.
import os
import re
import subprocess
import unittest

import wine_harness as wh

DESKTOP = r"HKCU\Control Panel\Desktop"
SETTINGS = r"HKCU\Software\QuillonCreations\KVRNPSS"
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
PRODUCTS = r"HKLM\Software\Classes\Installer\Products"  # where Programs and Features finds a package's icon


def msi_table(package, table):
    """Rows of an MSI table as lists of columns (header lines left out)."""
    text = subprocess.run(["msiinfo", "export", package, table], stdout=subprocess.PIPE, check=True).stdout.decode()
    return [line.split("\t") for line in text.splitlines()[3:]]


class Packages(unittest.TestCase):
    def test_each_package_puts_its_saver_in_its_system_folder_and_makes_it_the_current_saver(self):
        for variable, platform, name, folder, attributes in (
                ("KVRN_MSI_32", "Intel", "kvrnpss.scr", "SystemFolder", "0"),
                ("KVRN_MSI_64", "x64", "kvrnpss64.scr", "System64Folder", "256")):
            with self.subTest(package=variable):
                package = wh.built_file(variable)
                summary = subprocess.run(["msiinfo", "suminfo", package], stdout=subprocess.PIPE).stdout.decode()
                self.assertIn("Template: %s;1033" % platform, summary)
                files = msi_table(package, "File")
                self.assertEqual([(f[0], f[1], f[2]) for f in files], [("SaverFile", "Saver", name)])
                self.assertGreater(int(files[0][3]), 100000)  # the saver itself, not an empty stand-in
                self.assertEqual([(c[0], c[2], c[3]) for c in msi_table(package, "Component")],
                                 [("Saver", folder, attributes)])
                registry = {(r[1], r[2], r[3]): r[4] for r in msi_table(package, "Registry")}
                self.assertEqual(registry[("1", r"Control Panel\Desktop", "SCRNSAVE.EXE")], "[!SaverFile]")
                self.assertNotIn(r"Software\QuillonCreations\KVRNPSS", {key for _, key, _ in registry})
                properties = dict(p[:2] for p in msi_table(package, "Property"))
                self.assertEqual((properties["ProductVersion"], properties["Manufacturer"], properties["ARPPRODUCTICON"]),
                                 (os.environ["KVRN_VERSION"], "Quillon Creations", "SaverIcon"))


class Install64(unittest.TestCase):
    def test_install_makes_it_the_saver_and_removal_gives_the_earlier_one_back_keeping_the_settings(self):
        with wh.WineSession() as wine:
            wine.install(wh.built_file("KVRN_MSI_64"), "kvrnpss64.msi")
            installed = os.path.join(wine.prefix, "drive_c", "windows", "system32", "kvrnpss64.scr")

            def listed(key=UNINSTALL):  # the entries of Programs and Features that name the saver
                entries = wine.run("reg", "query", key, "/s")[1].split("\n\n")
                return [entry for entry in entries if "Kelvaron Playable" in entry]

            for earlier in (r"C:\windows\system32\other.scr", None):
                with self.subTest(earlier=earlier):
                    if earlier:
                        wine.reg("add", DESKTOP, "/v", "SCRNSAVE.EXE", "/d", earlier, "/f")
                    else:
                        wine.reg("delete", DESKTOP, "/v", "SCRNSAVE.EXE", "/f")
                    wine.reg("add", SETTINGS, "/v", "HiScore", "/t", "REG_DWORD", "/d", "4321", "/f")

                    self.assertEqual(wine.run("msiexec", "/i", r"C:\kvrn\kvrnpss64.msi", "/qn", timeout=300)[0], 0)
                    chosen = wine.reg_query(DESKTOP)["SCRNSAVE.EXE"][1]
                    for part in chosen.split("\\")[1:]:  # the short path: every part an 8.3 name
                        self.assertRegex(part, r"^[^.]{1,8}(\.[^.]{1,3})?$", chosen)
                    self.assertTrue(os.path.samefile(wine.linux_path(chosen), installed), chosen)
                    entries = listed()
                    self.assertEqual(len(entries), 1, entries)
                    version = re.escape(os.environ["KVRN_VERSION"])
                    self.assertRegex(entries[0], r"DisplayVersion\s+REG_SZ\s+%s\n" % version)
                    self.assertIn("Quillon Creations", entries[0])
                    icon = re.search(r"ProductIcon\s+REG_SZ\s+(.*)", listed(PRODUCTS)[0]).group(1)
                    self.assertTrue(os.path.isfile(wine.linux_path(icon)), icon)

                    if earlier:  # the desktop starts the saver by that path
                        saver, _ = wine.start_saver("/s", exe=chosen)
                        wine.move_mouse_by(3, 2)
                        self.assertEqual(wine.wait_exit(saver), 0)

                    self.assertEqual(wine.run("msiexec", "/x", r"C:\kvrn\kvrnpss64.msi", "/qn", timeout=300)[0], 0)
                    self.assertFalse(os.path.exists(installed))
                    self.assertEqual(wine.reg_query(DESKTOP).get("SCRNSAVE.EXE"), earlier and ("REG_SZ", earlier))
                    self.assertEqual(listed(), [])
                    self.assertEqual(wine.reg_query(SETTINGS).get("HiScore"), ("REG_DWORD", "0x10e1"))
                    self.assertNotEqual(wine.reg("query", SETTINGS + " Setup"), 0)  # the installer's own key is gone


if __name__ == "__main__":
    unittest.main(verbosity=2)
