"""A desktop of the test's own: an X server, a session bus, the accessibility bus and a sound server
with a null output, all started on free names in a temporary folder and all stopped when it closes."""

import os
import shutil
import signal
import subprocess
import tempfile
import time


def _wait_for(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.05)
    raise TimeoutError(f"{what}: not ready after {timeout} s")


class DesktopSession:
    def __init__(self, width=1366, height=768):
        self.width = width
        self.height = height
        self.folder = tempfile.mkdtemp(prefix="telvara-desktop-")
        self.env = dict(os.environ)
        self._processes = []

    def __enter__(self):
        try:
            self._start_x()
            self._start_session_bus()
            self._start_accessibility_bus()
            self._start_sound()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _spawn(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self._processes.append(process)
        return process

    def _start_x(self):
        # The server picks a free display and writes its number on the pipe it is given.
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.width}x{self.height}x24",
                     "-nolisten", "tcp", "-noreset", "+extension", "XTEST"], pass_fds=(write_end,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode()
        self.env["DISPLAY"] = self.display
        self.env.pop("WAYLAND_DISPLAY", None)

        def answering():
            return subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                  capture_output=True).returncode == 0
        _wait_for(answering, 10, f"X server {self.display}")

    def _start_session_bus(self):
        process = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        address = process.stdout.readline().decode().strip()
        if not address:
            raise RuntimeError("dbus-daemon did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.env["XDG_RUNTIME_DIR"] = self.folder
        self.env["HOME"] = self.folder
        self.env["NO_AT_BRIDGE"] = "0"

    def _start_accessibility_bus(self):
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def bus_known():
            return subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                   "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env=self.env,
                                  capture_output=True).returncode == 0
        _wait_for(bus_known, 10, "accessibility bus")
        # Qt speaks to the bus only when asked or when assistive technology says it is there.
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.env["QT_ACCESSIBILITY"] = "1"

    def _start_sound(self):
        socket = os.path.join(self.folder, "pulse-native")
        self.env["PULSE_SERVER"] = "unix:" + socket
        self.sound_log = open(os.path.join(self.folder, "pulseaudio.log"), "wb")
        self._spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                     "--load=module-null-sink sink_name=telvara",
                     f"--load=module-native-protocol-unix auth-anonymous=1 socket={socket}"],
                    stdout=self.sound_log, stderr=subprocess.STDOUT)

        def answering():
            return subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode == 0
        _wait_for(answering, 10, "sound server")

    def record_sound(self, path):
        """Starts recording the null output; the returned process is stopped with stop_recording."""
        return self._spawn(["parecord", "--device=telvara.monitor", "--file-format=wav", path],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @staticmethod
    def stop_recording(recorder):
        recorder.send_signal(signal.SIGINT)
        try:
            recorder.wait(5)
        except subprocess.TimeoutExpired:
            recorder.kill()

    def screenshot(self, path, window_id="root"):
        subprocess.run(["import", "-display", self.display, "-window", window_id, path], env=self.env,
                       capture_output=True, timeout=30)

    def close(self):
        for process in reversed(self._processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self._processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait()
        self._processes.clear()
        shutil.rmtree(self.folder, ignore_errors=True)
