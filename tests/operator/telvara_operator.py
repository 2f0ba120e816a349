"""The operator at the keyboard: the installed program started on its own desktop, worked through the
accessibility bus as a screen reader does, with real keys and the real wheel where a person uses them,
and every result read back from the program folder's files."""

import os
import shutil
import stat
import subprocess
import tempfile
import time
import urllib.parse

import accessible as a
from desktop_session import DesktopSession

SCREEN = (1366, 768)
APPLICATION = "Telvara"


class Operator:
    """One workstation. Given folder, it works on that program folder, installed by another workstation;
    given archive, its programs are started with that TELVARA_ARCHIVIO."""

    def __init__(self, session: DesktopSession, build: str, shots: str, folder=None, archive=None):
        self.session = session
        self.build = build
        self.shots = shots
        self.archive = archive
        self.problems = []  # what the walk of each window found, reported at the end
        self.checked = set()
        self._controls = {}  # per window title: (node, role, name) of every control, read once
        self.owns_folder = folder is None
        self.folder = folder or tempfile.mkdtemp(prefix="telvara-cartella-")
        self.opened = os.path.join(self.session.folder, "aperti.txt")
        if self.owns_folder:
            self._install()
        self.program = None
        self.app = None

    # --- the program folder and the program -------------------------------------------------------

    def _install(self):
        subprocess.run(["cmake", "--install", self.build, "--prefix", self.folder], check=True,
                       stdout=subprocess.DEVNULL)
        self.cli("demo", "--clienti", "40", "--operatori", "12", "--articoli", "20", "--chiamate", "120",
                 "--vendite", "60", "--appuntamenti", "40")
        # What the desktop's opener is handed (mail links, PDF files) is written down instead of opened.
        tools = os.path.join(self.session.folder, "bin")
        os.makedirs(tools, exist_ok=True)
        opener = os.path.join(tools, "xdg-open")
        with open(opener, "w") as script:
            script.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.opened}"\n')
        os.chmod(opener, os.stat(opener).st_mode | stat.S_IEXEC)
        self.session.env["PATH"] = tools + os.pathsep + self.session.env["PATH"]

    def cli(self, *arguments, check=True):
        result = subprocess.run([os.path.join(self.folder, "telvara-cli"), "--cartella", self.folder,
                                 *arguments], capture_output=True, text=True, env=self.environment())
        if check and result.returncode != 0:
            raise AssertionError(f"telvara-cli {' '.join(arguments)}: exit {result.returncode}\n"
                                 f"{result.stdout}{result.stderr}")
        return result.stdout

    def environment(self):
        env = dict(self.session.env)
        if self.archive:
            env["TELVARA_ARCHIVIO"] = self.archive
        return env

    def start(self, sound=True):
        """Starts the installed program; without sound, on a desktop that has no audio output at all."""
        self.log = open(os.path.join(self.shots, "telvara.log"), "ab")
        env = self.environment()
        if not sound:
            env["PULSE_SERVER"] = "unix:" + os.path.join(self.session.folder, "nessun-server-audio")
        self.program = subprocess.Popen([os.path.join(self.folder, "telvara")], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.app = a.application(APPLICATION, pid=self.program.pid, timeout=60)

    def alive(self):
        return self.program is not None and self.program.poll() is None

    def assert_alive(self, when):
        if not self.alive():
            raise AssertionError(f"the program ended {when} (exit status {self.program.returncode})")

    def wait_ended(self, timeout=15):
        self.program.wait(timeout)
        self.program = None

    def stop(self):
        if self.alive():
            self.program.terminate()
            try:
                self.program.wait(10)
            except subprocess.TimeoutExpired:
                self.program.kill()
                self.program.wait()
        if self.owns_folder:
            shutil.rmtree(self.folder, ignore_errors=True)

    def opened_targets(self):
        if not os.path.exists(self.opened):
            return []
        with open(self.opened, encoding="utf-8") as f:
            return [line.rstrip("\n") for line in f if line.strip()]

    # --- windows ----------------------------------------------------------------------------------

    def window(self, title, timeout=a.DEFAULT_TIMEOUT):
        self.assert_alive(f"while waiting for '{title}'")
        try:
            w = a.window(self.app, title, timeout)
        except a.NotFound:
            self.assert_alive(f"while waiting for '{title}'")
            raise
        self.walk(w)
        return w

    def gone(self, title):
        a.gone(self.app, title)

    def screenshot(self, name):
        self.session.screenshot(os.path.join(self.shots, name + ".png"))

    def walk(self, w):
        """A window fits the screen, and every control a person can reach says what it is."""
        title = w.name.strip()
        if title in self.checked:
            return
        self.checked.add(title)
        self.screenshot("finestra-" + "".join(c if c.isalnum() else "_" for c in title).strip("_"))
        x, y, width, height = a.extents(w)
        if x < 0 or y < 0 or x + width > SCREEN[0] or y + height > SCREEN[1]:
            self.problems.append(f"'{title}' does not fit the screen: {x},{y} {width}x{height}")
        for node, role, name in self._read_controls(w):
            if not name.strip() and a.is_focusable(node) and a.is_showing(node):
                self.problems.append(f"'{title}': a {role} at {a.extents(node)[:2]} has no name")

    def message(self, text, answer="OK"):
        """The message box saying text, answered; returns its whole text."""
        def box():
            for w in a.windows(self.app):
                if a.role(w) != "alert":
                    continue
                said = "\n".join(n.name for n in a.find_all(w, "label"))
                if text in said:
                    return w, said
            return None
        w, said = a.wait_until(box, what=f"message '{text}'")
        a.press(a.find(w, answer, "push button"))
        a.wait_until(lambda: not a.is_showing(w) or w not in a.windows(self.app), what="message closed")
        return said

    def no_message(self):
        for w in a.windows(self.app):
            if a.role(w) == "alert":
                said = " ".join(n.name for n in a.find_all(w, "label"))
                raise AssertionError(f"unexpected message: {said}")

    # --- controls ---------------------------------------------------------------------------------

    def _read_controls(self, w):
        controls = []
        for node in a.descendants(w):
            try:
                controls.append((node, node.getRoleName(), node.name))
            except Exception:
                continue
        self._controls[w.name] = controls
        return controls

    def controls(self, w, name, roles):
        """The shown controls of w with that name and one of those roles, from one reading of the window
        (read again when nothing shown matches: panels come and go)."""
        roles = [roles] if isinstance(roles, str) else roles

        def shown(controls):
            return [n for n, r, nm in controls if r in roles and (name is None or nm == name) and a.is_showing(n)]
        found = shown(self._controls.get(w.name) or self._read_controls(w))
        if not found:
            found = a.wait_until(lambda: shown(self._read_controls(w)), what=f"{roles} '{name}' in '{w.name}'")
        return found

    def press(self, w, name, nth=0):
        """Presses the button called name, or else the one whose name starts with it ("Apri" for "Apri
        Registro vendite"): a window with two such buttons names each after what it opens."""
        def matching():
            exact = [n for n, r, nm in self._read_controls(w) if r == "push button" and nm == name]
            near = [n for n, r, nm in self._controls[w.name] if r == "push button" and nm.startswith(name + " ")]
            return [n for n in (exact or near) if a.is_showing(n)]
        buttons = a.wait_until(matching, what=f"button '{name}' in '{w.name}'")
        if len(buttons) <= nth:
            raise a.NotFound(f"button '{name}' number {nth + 1} in '{w.name}'")
        a.press(buttons[nth])

    def field(self, w, name):
        return self.controls(w, name, ["text", "password text"])[0]

    def focused_name(self, w):
        """The name of the input that has the keyboard focus."""
        def focused():
            for node, role, name in self._controls.get(w.name) or self._read_controls(w):
                if role in ("text", "password text", "combo box") and a.is_focused(node):
                    return name or "?"
            return None
        return a.wait_until(focused, timeout=3, what=f"focus in '{w.name}'")

    def set(self, w, name, value):
        a.set_text(self.field(w, name), value)

    def text(self, w, name):
        return a.text(self.field(w, name))

    @staticmethod
    def key(*keys):
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)
        time.sleep(0.2)

    @staticmethod
    def type(text):
        subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
        time.sleep(0.2)

    def paste(self, node, text):
        """Puts text on the clipboard and pastes it into node with Ctrl+V, as a hurried operator does."""
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), check=True,
                       env=self.session.env)
        self.click(node)
        a.wait_until(lambda: a.is_focused(node), what=f"focus on '{node.name}'")
        self.key("End", "ctrl+v")

    def wheel(self, node, notches, down=True):
        x, y = a.centre(node)
        subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
        time.sleep(0.1)
        for _ in range(notches):
            subprocess.run(["xdotool", "click", "5" if down else "4"], check=True)
        time.sleep(0.2)

    def click(self, node, double=False):
        x, y = a.centre(node)
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "--repeat", "2" if double else "1",
                        "1"], check=True)
        time.sleep(0.3)

    def pick(self, combo, value):
        """Chooses value from a closed list the way a person does: open it, move to it, Enter."""
        items = [item.name for item in combo[0]] if combo.childCount else []
        if value not in items:
            raise AssertionError(f"'{value}' is not offered by the list {combo.name!r}: {items[:12]}")
        a.focus(combo)
        action = combo.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        a.Atspi.set_timeout(300, 0)
        try:
            action.doAction(names.index("ShowMenu") if "ShowMenu" in names else 0)
        except a.GLib.GError:
            pass
        finally:
            a.Atspi.set_timeout(10000, 0)
        time.sleep(0.4)
        self.key("Home", *(["Down"] * items.index(value)), "Return")
        a.wait_until(lambda: self.choice(combo) == value, what=f"list set to {value}")

    @staticmethod
    def choice(combo):
        """What a closed list shows."""
        for child in combo:
            if child is not None and a.role(child) == "text":
                return a.text(child)
        return combo.name


def mail_parts(link):
    """The address, subject and body of a mailto: link, decoded."""
    parsed = urllib.parse.urlsplit(link.strip('"'))
    if parsed.scheme != "mailto":
        raise AssertionError(f"not a mail link: {link}")
    query = urllib.parse.parse_qs(parsed.query, keep_blank_values=True)
    return (urllib.parse.unquote(parsed.path), query.get("subject", [""])[0], query.get("body", [""])[0])
