# host_test.py -- the saver host under Wine: switches and exit codes, the full-screen window and what
# closes it, the single instance, the preview inside a host window, the settings store on the registry,
# and frame pacing (processor time, input during the wait for a frame).
import os
import subprocess
import time
import unittest

import wine_harness as wh

from wine_harness import SAVER, SAVER_CLASS

KEY = r"HKCU\Software\QuillonCreations\KVRNPSS"
wine = None


def setUpModule():
    global wine
    wine = wh.WineSession().__enter__()
    unittest.addModuleCleanup(wine.close)
    wine.install(wh.built_file("KVRN_SAVER_64"), SAVER)


class WineTest(unittest.TestCase):
    def tearDown(self):
        wine.stop_all()  # what a failed test left running


class Switches(unittest.TestCase):
    def test_unknown_switches_and_bad_preview_handles_end_with_minus_one(self):
        # A handle that surely names no window: one whose window has gone. (Small numbers
        # may name a live window, since the platform accepts handles without their upper word.)
        host = wine.start(wh.program("preview_host.exe"), 50, 50, stdout=subprocess.PIPE)
        gone = int(host.stdout.readline())
        wine.post(gone, 0x0010)  # WM_CLOSE
        self.assertEqual(wine.wait_exit(host), 0)
        for arguments in (["/x"], ["9"], ["p"], ["p", "0"], ["-p", gone], ["/l", gone], ["/a"]):
            code, _ = wine.run(SAVER, *arguments)
            self.assertEqual(code, -1, "switch %s" % arguments)
        self.assertIsNone(wine.find_window(SAVER_CLASS, "Screen Saver"))


class FullScreen(WineTest):
    def tearDown(self):
        super().tearDown()
        wh.poll(lambda: wine.find_window(SAVER_CLASS, "Screen Saver") is None, "the saver window to go")

    def assert_still_running(self, saver, window):
        # A probe round trip comes after the input has reached the saver's queue.
        again = wine.find_window(SAVER_CLASS, "Screen Saver")
        self.assertTrue(wine.running(saver))
        self.assertIsNotNone(again)
        self.assertEqual(again.hwnd, window.hwnd)

    def test_window_covers_the_screen_with_its_drawing_window_and_only_a_large_move_closes_it(self):
        saver, window = wine.start_saver("-S")
        self.assertTrue(window.topmost, window)
        self.assertEqual((window.left, window.top, window.right, window.bottom),
                         (0, 0, window.screen_width, window.screen_height))
        children = wh.poll(lambda: wine.children(window.hwnd), "the OpenGL window")
        self.assertEqual([(c.class_name, c.left, c.top, c.right, c.bottom) for c in children],
                         [("OpenGL Window", 0, 0, window.screen_width, window.screen_height)])
        wine.key("a", "Left", "Up", "space", "Return", "z", "5")
        wine.move_mouse_by(3, 1)  # 3 + 1 = 4 pixels: not more than the threshold
        self.assert_still_running(saver, window)
        wine.move_mouse_by(3, 2)  # 6 pixels from the anchor
        self.assertEqual(wine.wait_exit(saver), 0)

    def test_each_closing_input_ends_with_zero(self):
        closers = {
            "click": lambda window: wine.click(1),
            "right click": lambda window: wine.click(3),
            "alt with a key": lambda window: wine.key("alt+x"),
            # Escape is looked at by the frames while it is held.
            "escape": lambda window: wine.xdotool("keydown", "Escape"),
            "power broadcast": lambda window: wine.post(window.hwnd, 0x0218, 7),
            "activation lost": lambda window: wine.post(window.hwnd, 0x001C, 0),
        }
        for name, close in closers.items():
            with self.subTest(name):
                saver, window = wine.start_saver("s", "extra", "text")
                try:
                    close(window)
                    self.assertEqual(wine.wait_exit(saver), 0, name)
                finally:
                    wine.xdotool("keyup", "Escape")

    def test_title_cannot_be_changed_and_other_system_commands_go_on(self):
        saver, window = wine.start_saver("/s")
        self.assertEqual(wine.probe("settext", window.hwnd, "Renamed"), (0, "Screen Saver\n"))
        self.assertIsNotNone(wine.find_window(SAVER_CLASS, "Screen Saver"))
        self.assertTrue(wine.post(window.hwnd, 0x0112, 0xF060))  # SC_CLOSE goes on to the platform
        self.assertEqual(wine.wait_exit(saver), 0)

    def test_second_instance_ends_at_once_and_the_first_keeps_running(self):
        first, window = wine.start_saver("/s")
        code, _ = wine.run(SAVER, "/s")
        self.assertEqual(code, 0)
        self.assert_still_running(first, window)
        wine.click(1)
        self.assertEqual(wine.wait_exit(first), 0)


class Preview(WineTest):
    def test_preview_draws_in_the_host_window_and_ignores_input(self):
        host = wine.start(wh.program("preview_host.exe"), 320, 240, stdout=subprocess.PIPE)
        host_window = int(host.stdout.readline())
        wine.move_mouse(900, 700)
        saver = wine.start(SAVER, "/p", host_window)
        previews = wh.poll(lambda: [c for c in wine.children(host_window) if c.class_name == SAVER_CLASS],
                           "the preview window")
        preview = previews[0]
        self.assertEqual((preview.title, preview.left, preview.top, preview.right, preview.bottom),
                         ("Preview", 0, 0, 320, 240))
        drawing = wh.poll(lambda: wine.children(preview.hwnd), "the OpenGL window in the preview")
        self.assertEqual((drawing[0].class_name, drawing[0].right, drawing[0].bottom), ("OpenGL Window", 320, 240))
        # Frames keep coming, paced: the saver keeps using processor time. (Wine shows
        # an OpenGL child of another process's window offscreen only, so the
        # picture itself cannot be read back from the screen here.)
        start = wh.cpu_seconds(saver)
        wh.poll(lambda: wh.cpu_seconds(saver) > start + 0.5, "preview frames using the processor")

        wine.move_mouse(100, 100)
        wine.move_mouse_by(40, 30)
        wine.click(1)
        wine.key("a", "space", "alt+x")
        wine.xdotool("keydown", "Escape")
        wine.children(host_window)  # a round trip while Escape is held: frames see it
        wine.xdotool("keyup", "Escape")
        self.assertTrue(wine.children(host_window))
        self.assertTrue(wine.running(saver))

        # Help and context-menu requests go on to the host window, help with its HELPINFO intact.
        log = os.path.join(wine.install_dir, "preview_host_messages.txt")
        self.assertTrue(wine.post(preview.hwnd, 0x007B, 0, 0x00220011))  # WM_CONTEXTMENU at (17, 34)
        self.assertEqual(wine.probe("help", preview.hwnd)[0], 0)
        forwarded = lambda: open(log).read().split("\n") if os.path.exists(log) else []
        wh.poll(lambda: "contextmenu 1 2228241" in forwarded(), "the context menu at the host window")
        self.assertIn("help 1 4321 12 34", forwarded())

        wine.post(host_window, 0x0010)  # WM_CLOSE: the host destroys its window and the preview with it
        self.assertEqual(wine.wait_exit(saver), 0)
        self.assertEqual(wine.wait_exit(host), 0)


class Pacing(WineTest):
    def test_the_full_screen_saver_takes_at_most_nine_processor_seconds_in_twenty(self):
        wine.move_mouse(500, 400)
        saver = wine.start(SAVER, "/s")
        wine.wait_window(SAVER_CLASS, "Screen Saver")
        start, used = time.monotonic(), wh.cpu_seconds(saver)
        wh.poll(lambda: not wine.running(saver) or time.monotonic() - start >= 20, "20 s of the saver", timeout=40)
        self.assertTrue(wine.running(saver))
        used = wh.cpu_seconds(saver) - used
        print("saver at 1024x768: %.1f processor seconds in %.1f s" % (used, time.monotonic() - start))
        self.assertLessEqual(used, 9.0)

    def test_a_key_pressed_while_waiting_for_a_frame_reaches_the_next_frame(self):
        code, out = wine.run(wh.program("pacing_probe.exe"), 40)
        result = dict(field.split("=") for field in out.split())
        self.assertEqual((code, result["inputs"], result["missed"]), (0, "40", "0"), out)
        # Most inputs came while the next frame was not yet due (a loaded machine may delay a few).
        self.assertGreaterEqual(int(result["during_wait"]), 20, out)


class SettingsMode(WineTest):
    def test_the_owner_comes_from_the_colon_handle_or_the_foreground_window_and_no_switch_has_none(self):
        host = wine.start(wh.program("preview_host.exe"), 200, 100, stdout=subprocess.PIPE)
        host_window = int(host.stdout.readline())
        for arguments, owner in ((["/c:%d" % host_window], host_window), ([], 0), (["/c"], None),
                                 (["/c", str(host_window)], None), (["/c:"], None), (["/c:123456789"], None)):
            with self.subTest(arguments=arguments):  # None: the window in the foreground before the start
                foreground = int(wine.probe("foreground")[1])
                saver = wine.start(SAVER, *arguments)
                dialog = wine.wait_window("#32770", "Kelvaron Playable SS")
                self.assertEqual(dialog.owner, foreground if owner is None else owner)
                wine.post(dialog.hwnd, 0x0111, 2)  # WM_COMMAND IDCANCEL
                self.assertEqual(wine.wait_exit(saver), 1)  # the dialog's end code is the exit code


class SettingsStore(unittest.TestCase):
    def test_save_writes_the_six_values_and_load_reads_them_back(self):
        code, _ = wine.run(wh.program("settings_probe.exe"), "save", 1, 0, 1, 123456, 2, "ABCDEFGHIJ")
        self.assertEqual(code, 0)
        self.assertEqual(wine.reg_query(KEY), {
            "Harlan Voss": ("REG_DWORD", "0x1"),
            "Full Detail": ("REG_DWORD", "0x0"),
            "Lighting FX": ("REG_DWORD", "0x1"),
            "HiScore": ("REG_DWORD", "0x1e240"),
            "HiScore Ch": ("REG_DWORD", "0x2"),
            "HiScore Name": ("REG_SZ", "ABCDEFGHIJ"),
        })
        code, out = wine.run(wh.program("settings_probe.exe"), "load")
        self.assertEqual(out.split(), ["scoreSubmitted=1", "fullDetail=0", "lightingFx=1", "highScore=123456",
                                       "highScoreCharacter=2", "highScoreName=ABCDEFGHIJ"])

    def test_odd_stored_values_load_as_their_defaults(self):
        wine.reg("add", KEY, "/v", "Full Detail", "/t", "REG_DWORD", "/d", "2", "/f")
        wine.reg("add", KEY, "/v", "HiScore", "/t", "REG_SZ", "/d", "987654", "/f")
        wine.reg("add", KEY, "/v", "HiScore Name", "/t", "REG_SZ", "/d", "ELEVENCHARS", "/f")
        wine.reg("add", KEY, "/v", "Lighting FX", "/t", "REG_BINARY", "/f")  # holds no bytes
        code, out = wine.run(wh.program("settings_probe.exe"), "load")
        loaded = dict(line.split("=", 1) for line in out.split())
        self.assertEqual((loaded["fullDetail"], loaded["lightingFx"], loaded["highScore"], loaded["highScoreName"]),
                         ("1", "1", "0", "Quillon"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
