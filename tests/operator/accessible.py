"""Finding and working the program's controls through the accessibility bus, as a screen reader and
assistive technology do: by role and spoken name, with actions and text set through the bus."""

import time

import pyatspi
from gi.repository import Atspi, GLib

DEFAULT_TIMEOUT = 15


class NotFound(AssertionError):
    pass


def wait_until(condition, timeout=DEFAULT_TIMEOUT, what="condition"):
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            result = condition()
            if result:
                return result
        except (NotFound, LookupError, RuntimeError) as error:  # the tree changes under our feet
            last_error = error
        time.sleep(0.1)
    raise NotFound(f"{what}: not found within {timeout} s" + (f" ({last_error})" if last_error else ""))


def application(name, pid=None, timeout=30):
    """The program called name; with pid, the one that process runs (several programs may share a name)."""
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and (pid is None or app.get_process_id() == pid):
                return app
        return None
    return wait_until(find, timeout, f"application {name}" + (f" of process {pid}" if pid else ""))


def role(node):
    try:
        return node.getRoleName()
    except Exception:
        return ""


def states(node):
    try:
        return node.getState()
    except Exception:
        return None


def is_showing(node):
    state = states(node)
    return state is not None and state.contains(pyatspi.STATE_SHOWING)


# Lists and grids may hold thousands of rows: their items are visited only when they are looked for.
_COLLECTIONS = ("list", "table", "tree table", "tree")


def descendants(node, into_collections=False):
    """Every node below node, depth first."""
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        if child is None:
            continue
        yield child
        if into_collections or role(child) not in _COLLECTIONS:
            yield from descendants(child, into_collections)


def windows(app):
    """The program's top-level windows that are on screen."""
    return [w for w in app if w is not None and is_showing(w)]


def window(app, title, timeout=DEFAULT_TIMEOUT):
    """The shown window whose title is title (captions begin with a blank; compared trimmed)."""
    def find():
        for w in windows(app):
            if w.name.strip() == title.strip():
                return w
        return None
    return wait_until(find, timeout, f"window '{title}'")


def gone(app, title, timeout=DEFAULT_TIMEOUT):
    wait_until(lambda: all(w.name.strip() != title.strip() for w in windows(app)), timeout,
               f"window '{title}' closed")


def find(root, name=None, roles=None, showing=True, timeout=DEFAULT_TIMEOUT):
    """The first control below root with that spoken name (and one of those roles)."""
    roles = [roles] if isinstance(roles, str) else roles

    items = bool(roles) and any(r in ("list item", "table cell") for r in roles)

    def search():
        for node in descendants(root, into_collections=items):
            if name is not None and node.name != name:
                continue
            if roles and role(node) not in roles:
                continue
            if showing and not is_showing(node):
                continue
            return node
        return None
    return wait_until(search, timeout, f"control '{name}' {roles or ''} in '{root.name}'")


def find_all(root, roles, showing=True):
    roles = [roles] if isinstance(roles, str) else roles
    items = any(r in ("list item", "table cell") for r in roles)
    return [n for n in descendants(root, items) if role(n) in roles and (not showing or is_showing(n))]


# How long a call on the bus waits for the program's answer, in milliseconds.
_REPLY_TIMEOUT_MS = 10000
_STARTUP_TIMEOUT_MS = 0  # no longer waits for a program just started: its windows are made at once
Atspi.set_timeout(_REPLY_TIMEOUT_MS, _STARTUP_TIMEOUT_MS)


def press(node):
    """The control's default action, as a screen reader's 'activate' does. An action that opens a modal
    window answers only when that window closes: the press does not wait for the answer."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = next((i for i, n in enumerate(names) if n.lower() in ("press", "click", "toggle")), 0)
    Atspi.set_timeout(300, _STARTUP_TIMEOUT_MS)
    try:
        action.doAction(index)
    except GLib.GError as error:
        if "reply" not in str(error).lower() and "timeout" not in str(error).lower():
            raise
    finally:
        Atspi.set_timeout(_REPLY_TIMEOUT_MS, _STARTUP_TIMEOUT_MS)


def answer_time(node, within):
    """How long node's program takes to tell node's text through the bus; None when it has not answered
    within that many seconds (its window is not being served)."""
    started = time.monotonic()
    Atspi.set_timeout(int(within * 1000), _STARTUP_TIMEOUT_MS)
    try:
        text(node)
    except GLib.GError:
        return None
    finally:
        Atspi.set_timeout(_REPLY_TIMEOUT_MS, _STARTUP_TIMEOUT_MS)
    return time.monotonic() - started


def focus(node):
    node.queryComponent().grabFocus()


def text(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return node.name


def set_text(node, value):
    """Sets the whole text through the bus, as dictation and on-screen keyboards do."""
    node.queryEditableText().setTextContents(value)


def extents(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return 0, 0, 0, 0
    return box.x, box.y, box.width, box.height


def centre(node):
    x, y, w, h = extents(node)
    return x + w // 2, y + h // 2


def is_focusable(node):
    state = states(node)
    return state is not None and state.contains(pyatspi.STATE_FOCUSABLE)


def is_focused(node):
    state = states(node)
    return state is not None and state.contains(pyatspi.STATE_FOCUSED)


def focused(root):
    for node in descendants(root):
        if is_focused(node) and role(node) not in ("frame", "dialog", "window", "filler", "panel"):
            return node
    return None
