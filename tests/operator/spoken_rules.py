"""What a blind operator must hear, as rules over what Orca said: not a transcript to match word for word,
but what any good transcript of the step has and never has."""

import re

# Words Orca says when a role, state or key reaches it untranslated, or when the program names something
# in English. Italian texts of the program never hold them as whole words.
ENGLISH = ["push button", "button", "combo box", "label", "text", "selected", "unselected", "dialog",
           "frame", "panel", "notification", "status bar", "blank", "space", "list item", "table", "cell",
           "row", "column", "alert", "checked", "not checked", "read only", "editable", "page tab", "filler",
           "unknown", "layered pane", "entry", "leaving", "of"]
_ENGLISH = re.compile(r"\b(" + "|".join(re.escape(word) for word in ENGLISH) + r")\b", re.IGNORECASE)


def english_words(said):
    """The English words in what was said, with the utterance they were in."""
    return [(match.group(0), utterance) for utterance in said for match in _ENGLISH.finditer(utterance)]


def _plain(text):
    return " ".join(text.lower().split())


def _tokens(text):
    return [token.strip(".,;:!?") for token in text.lower().split()]


def _holds_words(utterance, value):
    """Whether the value's words stand whole, in order, among the utterance's."""
    words, wanted = _tokens(utterance), _tokens(value)
    return any(words[i:i + len(wanted)] == wanted for i in range(len(words) - len(wanted) + 1))


def says(said, fragment):
    """Whether some utterance holds the fragment (case and spacing aside)."""
    wanted = _plain(fragment)
    return any(wanted in _plain(utterance) for utterance in said)


def field_said_whole(said, caption, value):
    """A focused input: its caption is said, and its whole value with it or after it; no utterance says
    the value cut short by its last character."""
    faults = []
    at_caption = next((i for i, utterance in enumerate(said) if caption.lower() in utterance.lower()), None)
    if at_caption is None:
        faults.append(f"caption {caption!r} not said")
    elif value.strip():
        if not any(_holds_words(utterance, value) for utterance in said[at_caption:]):
            faults.append(f"{caption!r}: value {value!r} not said whole after its caption")
        cut = _tokens(value)[-1][:-1] if _tokens(value) else ""
        for utterance in said:
            tokens = _tokens(utterance)
            if cut and cut in tokens and _tokens(value)[-1] not in tokens:
                faults.append(f"{caption!r}: value said cut short in {utterance!r}")
    return faults


def no_character_of(said, secret):
    """No utterance says the secret, or one of its characters alone (key echo, inserted text)."""
    faults = []
    letters = {c.lower() for c in secret}
    for utterance in said:
        plain = utterance.strip().lower()
        if secret.lower() in plain.replace(" ", ""):
            faults.append(f"the secret said in {utterance!r}")
        elif plain in letters:
            faults.append(f"a character of the secret said: {utterance!r}")
    return faults
