# host_win95_test.py -- the Windows 95 family paths under Wine set to report that family: the password
# change switch, the password verifier that gates every close, and its 200 ms rule.
import os
import time
import unittest

import wine_harness as wh

from wine_harness import SAVER, SAVER_CLASS

DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
wine = None


def setUpModule():
    global wine
    wine = wh.WineSession().__enter__()
    unittest.addModuleCleanup(wine.close)
    wine.install(wh.built_file("KVRN_SAVER_64"), SAVER)
    wine.install(wh.program("PASSWORD.CPL"))
    # Wine then reports Windows 98, of the 95 family.
    if wine.reg("add", r"HKCU\Software\Wine", "/v", "Version", "/d", "win98", "/f") != 0:
        raise wh.HarnessError("could not set the Windows version")


def calls():
    path = os.path.join(wine.install_dir, "password_calls.txt")
    return open(path).read().split() if os.path.exists(path) else []


def answer(word):
    with open(os.path.join(wine.install_dir, "password_answer.txt"), "w") as file:
        file.write(word + "\n")


def use_password(on, kind="REG_DWORD"):
    wine.reg("add", DESKTOP_KEY, "/v", "ScreenSaveUsePassword", "/t", kind, "/d", "1" if on else "0", "/f")


class Windows95Family(unittest.TestCase):
    def setUp(self):
        for name in ("password_calls.txt", "password_answer.txt"):
            path = os.path.join(wine.install_dir, name)
            if os.path.exists(path):
                os.unlink(path)

    def test_password_change_switch_is_taken_on_this_family(self):
        code, _ = wine.run(SAVER, "/a", "0")
        self.assertEqual(code, 0)  # elsewhere the same switch is refused with -1

    def test_without_password_protection_a_click_closes_at_once(self):
        for kind in ("REG_DWORD", "REG_SZ"):  # the string "0" is off too
            use_password(False, kind)
            saver, _ = wine.start_saver("/s")
            wine.click(1)
            self.assertEqual(wine.wait_exit(saver), 0, kind)
            self.assertEqual(calls(), [])

    def test_verifier_gates_the_close_and_a_retry_within_200_ms_is_refused_unasked(self):
        use_password(True)
        answer("refuse-again")  # refuses, and posts a second close request at once
        saver, window = wine.start_saver("/s")
        wine.click(1)
        wh.poll(lambda: calls() == ["refuse-again"], "the verifier's first answer")
        refused_at = time.monotonic()
        # The close request posted during the check came within 200 ms: not asked again.
        again = wine.find_window(SAVER_CLASS, "Screen Saver")
        self.assertTrue(wine.running(saver))
        self.assertEqual(again.hwnd, window.hwnd)
        self.assertEqual(calls(), ["refuse-again"])

        answer("accept")
        # Past the 200 ms the next close asks again (wait by polling the clock, not a fixed sleep).
        wh.poll(lambda: time.monotonic() - refused_at > 0.5, "half a second after the refusal")
        wine.click(1)
        self.assertEqual(wine.wait_exit(saver), 0)
        self.assertEqual(calls(), ["refuse-again", "accept"])

    def test_escape_released_in_the_password_box_leaves_no_key_held(self):
        use_password(True)
        answer("box")
        saver, _ = wine.start_saver("/s")
        wine.xdotool("keydown", "Escape")
        try:
            box = wine.wait_window("KvrnPasswordBox", "Password")
        finally:
            wine.xdotool("keyup", "Escape")  # the box has the keyboard focus: the saver never sees this
        answer("accept")
        before = wine.drawing_picture()
        self.assertTrue(before)
        wine.post(box.hwnd, 0x0010)  # WM_CLOSE: the box refuses
        refused_at = time.monotonic()
        # A held Escape would stop every frame and ask again 200 ms later, unbidden.
        wh.poll(lambda: calls() != ["box"] or wine.drawing_picture() != before, "frames drawn after the refusal")
        wh.poll(lambda: time.monotonic() - refused_at > 0.5, "half a second after the refusal")
        self.assertEqual(calls(), ["box"])
        wine.click(1)
        self.assertEqual(wine.wait_exit(saver), 0)
        self.assertEqual(calls(), ["box", "accept"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
