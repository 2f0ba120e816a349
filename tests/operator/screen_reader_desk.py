"""The desk of a blind operator: the operator's desktop with a window manager, a speech server speaking
Italian into the null output, Orca with its own settings, and what Orca says read as it says it."""

import json
import os
import re
import subprocess
import threading
import time

# The text between the quotes; Orca writes the voice after them (" voice=uppercase{...}").
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(?:voice=\w+)?\s*(?:\{.*\})?\s*$")


class Speech:
    """Every utterance Orca logs, in order, read from the pseudo-terminal it writes its log to."""

    def __init__(self, transcript_path, log_path=None):
        self.master, slave = os.openpty()
        self.terminal = os.ttyname(slave)
        self._slave = slave
        self.said = []
        self._lock = threading.Lock()
        self._transcript = open(transcript_path, "w", encoding="utf-8")
        # Orca's whole log, for finding out why something was or was not said.
        self._log = open(log_path, "w", encoding="utf-8") if log_path else None
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *lines, pending = pending.split(b"\n")
            for raw in lines:
                line = raw.decode("utf-8", "replace").rstrip("\r")
                if self._log:
                    self._log.write(line + "\n")
                match = SPEECH.search(line)
                if not match:
                    continue
                text = match.group(1)
                with self._lock:
                    self.said.append(text)
                self._transcript.write(text + "\n")
                self._transcript.flush()

    def mark(self):
        with self._lock:
            return len(self.said)

    def since(self, mark):
        with self._lock:
            return list(self.said[mark:])

    def note(self, text):
        """Writes a step's name into the transcript, between what was said."""
        self._transcript.write(f"# {text}\n")
        self._transcript.flush()

    def wait_for(self, mark, condition, timeout=10):
        """Waits until what was said since mark satisfies condition; returns what was said."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            said = self.since(mark)
            if condition(said):
                return said
            time.sleep(0.1)
        return self.since(mark)

    def settle(self, quiet=0.8, timeout=10):
        """Waits until Orca has said nothing new for a while."""
        deadline = time.monotonic() + timeout
        last, since = self.mark(), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            now = self.mark()
            if now != last:
                last, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return

    def close(self):
        os.close(self._slave)
        os.close(self.master)
        self._transcript.close()
        if self._log:
            self._log.close()


# Orca's own settings: speech through speech-dispatcher, no braille, no sounds, no tutorial hints.
ORCA_GENERAL = {
    "enableBraille": False,
    "enableBrailleMonitor": False,
    "enableSound": False,
    "enableSpeech": True,
    "enableTutorialMessages": False,
    "speechServerFactory": "orca.speechdispatcherfactory",
    "enableKeyEcho": True,
    "enablePrintableKeys": True,
    "enableEchoByCharacter": False,
    "enableEchoByWord": False,
    "enableMouseReview": False,
    "verbalizePunctuationStyle": 1,
    "firstStart": False,
    "startingProfile": ["Default", "default"],
    "activeProfile": ["Default", "default"],
    "profile": ["Default", "default"],
}


class ScreenReaderDesk:
    """Adds to a DesktopSession what a blind operator's desk has; stops what it started."""

    def __init__(self, session, transcript_path, log_path=None):
        self.session = session
        self.env = session.env
        self.env["LANG"] = "it_IT.UTF-8"
        self.env["LANGUAGE"] = "it_IT:it"
        self.env["LC_ALL"] = "it_IT.UTF-8"
        # Speech-dispatcher is started by Orca's first connection, on the session's runtime folder.
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + os.path.join(session.folder, "speechd.sock")
        self.transcript_path = transcript_path
        self.log_path = log_path
        self.speech = None

    def start(self):
        self._start_window_manager()
        self._start_speech_server()
        self._start_orca()

    def _start_window_manager(self):
        self.session._spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)

        def managing():
            result = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                    capture_output=True, text=True)
            return "window id" in result.stdout

        _wait_for(managing, 15, "window manager")

    def _start_speech_server(self):
        # The system's configuration: espeak-ng, its output through the session's sound server.
        socket = os.path.join(self.session.folder, "speechd.sock")
        self.session._spawn(["speech-dispatcher", "--run-single", "--timeout", "0", "--communication-method",
                             "unix_socket", "--socket-path", socket, "--log-dir", self.session.folder],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _wait_for(lambda: os.path.exists(socket), 15, "speech server")

    def _start_orca(self):
        prefs = os.path.join(self.session.folder, "orca")
        os.makedirs(prefs, exist_ok=True)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
            json.dump({"general": ORCA_GENERAL, "profiles": {"default": {"profile": ["Default", "default"],
                                                                       "pronunciations": {},
                                                                       "keybindings": {}}},
                       "pronunciations": {}, "keybindings": {}}, settings, indent=1)
        self.speech = Speech(self.transcript_path, self.log_path)
        # Orca runs once per user: another one (of another desktop) makes this one stop, and is left alone.
        output = os.path.join(self.session.folder, "orca-output.txt")
        with open(output, "wb") as out:
            self.orca = self.session._spawn(["orca", "--user-prefs", prefs, "--debug-file",
                                             self.speech.terminal], stdout=out, stderr=subprocess.STDOUT)
        # Orca is ready once it has greeted.
        self.speech.wait_for(0, lambda said: len(said) > 0 or self.orca.poll() is not None, timeout=30)
        if not self.speech.said:
            with open(output, encoding="utf-8", errors="replace") as out:
                raise RuntimeError(f"Orca said nothing on starting: {out.read().strip()}")

    def keys(self, *names, pause=0.25):
        """Presses keys as the operator does, one after another (xdotool's names: Tab, Return, ctrl+Right)."""
        for name in names:
            subprocess.run(["xdotool", "key", "--clearmodifiers", name], env=self.env, check=True)
            time.sleep(pause)

    def chord(self, modifier, key):
        """A key pressed while a modifier is held, released after the program has answered, as a person
        does: a screen reader takes the modifiers at the key's release for the key's meaning."""
        subprocess.run(["xdotool", "keydown", modifier], env=self.env, check=True)
        time.sleep(0.1)
        subprocess.run(["xdotool", "key", key], env=self.env, check=True)
        time.sleep(0.3)
        subprocess.run(["xdotool", "keyup", modifier], env=self.env, check=True)
        time.sleep(0.25)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True)
        time.sleep(0.3)

    def close(self):
        if self.speech:
            self.speech.close()


def _wait_for(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.1)
    raise TimeoutError(f"{what}: not ready after {timeout} s")
