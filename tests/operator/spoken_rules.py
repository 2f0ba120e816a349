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


def _words(text):
    return re.findall(r"[\w,.-]+", text.lower())


def says(said, fragment):
    """Whether some utterance holds the fragment (case and spacing aside)."""
    wanted = " ".join(fragment.lower().split())
    return any(wanted in " ".join(utterance.lower().split()) for utterance in said)


def field_said_whole(said, caption, value):
    """A focused input: its caption and its whole value are said, in one utterance or the caption first;
    no utterance says the value cut short (its last character, or the value, dropped)."""
    faults = []
    at_caption = next((i for i, utterance in enumerate(said) if caption.lower() in utterance.lower()), None)
    if at_caption is None:
        faults.append(f"caption {caption!r} not said")
    elif value:
        rest = said[at_caption:]
        whole = value.lower()
        if not any(whole in _joined_tokens(utterance) for utterance in rest):
            faults.append(f"{caption!r}: value {value!r} not said whole after its caption")
        if len(value) > 1:
            cut = value[:-1].lower()
            for utterance in said:
                if cut in _words(utterance) and whole not in _words(utterance):
                    faults.append(f"{caption!r}: value said cut short in {utterance!r}")
    return faults


def _joined_tokens(utterance):
    return " ".join(_words(utterance))


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
