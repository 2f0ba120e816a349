#!/usr/bin/python3
"""A blind operator's day: the installed program worked with the keyboard alone while Orca speaks, and
what Orca said held to the rules a blind operator needs. Not a transcript compared word for word: each
step's speech must have what the step shows and never what it must not say.

    screen_reader.py BUILD_FOLDER ARTIFACT_FOLDER

The transcript of what Orca said, with the steps between, is left in ARTIFACT_FOLDER/orca-parlato.txt
and Orca's whole log in ARTIFACT_FOLDER/orca.log.
"""

import os
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import DesktopSession  # noqa: E402
from screen_reader_desk import ScreenReaderDesk  # noqa: E402
import spoken_rules as rules  # noqa: E402

PASSWORD = "telvara"
# The demo archive's second client, found by the search.
CLIENT = "Rizzo Trasporti S.a.s."

# Asks a filled line of the program's active window, over the bus, for its text at its end offset, as
# any assistive tool may; prints the answer. Run in a process of its own, so that a program that hangs
# cannot hang the test with it.
END_OF_TEXT_QUERY = r"""
import pyatspi
def filled(node, depth=0):
    if node is None or depth > 40:
        return None
    try:
        if node.getRoleName() == "text" and node.getState().contains(pyatspi.STATE_SHOWING) \
                and node.queryText().characterCount > 0:
            return node
        for child in node:
            found = filled(child, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Telvara":
        for window in app:
            if not window.getState().contains(pyatspi.STATE_ACTIVE):
                continue
            node = filled(window)
            if node is not None:
                text = node.queryText()
                end = text.characterCount
                word = text.getTextAtOffset(end, pyatspi.TEXT_BOUNDARY_WORD_START)
                line = text.getTextAtOffset(end, pyatspi.TEXT_BOUNDARY_LINE_START)
                print(repr((end, word[0], line[0])))
                raise SystemExit(0)
print("no focused text")
"""


class Day:
    def __init__(self, desk, operator, a):
        self.desk = desk
        self.speech = desk.speech
        self.o = operator
        self.a = a
        self.faults = []

    def check(self, faults, step):
        for fault in faults:
            self.faults.append(f"{step}: {fault}")
            print(f"FAIL {step}: {fault}", flush=True)

    def expect(self, mark, fragment, step, timeout=15):
        said = self.speech.wait_for(mark, lambda said: rules.says(said, fragment), timeout)
        if not rules.says(said, fragment):
            self.check([f"{fragment!r} not said"], step)
        return said

    def focused(self, title):
        window = self.a.window(self.o.app, title)
        return self.a.wait_until(lambda: self.a.focused(window), what=f"focus in {title}")

    # --- the steps --------------------------------------------------------------------------------

    def log_in(self):
        mark = self.speech.mark()
        self.o.start()
        self.expect(mark, "Autenticazione", "login window")
        self.speech.settle()
        typing = self.speech.mark()
        self.desk.type(PASSWORD)
        self.speech.settle()
        self.check(rules.no_character_of(self.speech.since(typing), PASSWORD), "password")
        mark = self.speech.mark()
        self.desk.keys("Return")
        self.expect(mark, "Telvara 3.0", "main menu")
        self.expect(mark, "Informazioni su Telvara 3.0", "main menu")

    def clients_card_by_card(self):
        mark = self.speech.mark()
        self.desk.keys("Tab", "Tab")
        self.expect(mark, "ANAGRAFICA CLIENTI", "tile")
        self.desk.keys("space")
        self.expect(mark, "Anagrafica Clienti", "client window")
        self.expect(mark, "Cognome e nome", "client window")
        self.speech.settle()
        # From the first field back to the card pictures: Ultima, Successiva, Precedente, Prima.
        self.desk.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
        mark = self.speech.mark()
        self.desk.keys("space")
        self.expect(mark, "Numero scheda: 1", "first card")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Tab", "Tab")
        self.expect(mark, "Scheda successiva", "next card picture")
        self.desk.keys("space")
        self.expect(mark, f"Numero scheda: 2, Cognome e nome: {CLIENT}", "next card")
        self.speech.settle()

    def fields_read_whole(self):
        # Ultima scheda, then the card's first fields, each said with its caption and its whole value.
        self.desk.keys("Tab")
        seen_lists = []
        for _ in range(11):
            mark = self.speech.mark()
            self.desk.keys("Tab")
            self.speech.settle(quiet=0.6)
            node = self.focused("Telvara 3.0 - Anagrafica Clienti")
            said = self.speech.since(mark)
            role = self.a.role(node)
            if role == "text":
                caption, value = node.name, self.a.text(node)
                self.check(rules.field_said_whole(said, caption, value), f"field {caption}")
            elif role == "combo box":
                seen_lists.append(" ".join(said))
        provinces = [s for s in seen_lists if "Prov." in s]
        self.check([] if len(provinces) == 2 and rules.says(provinces[:1], "Prov. di nascita")
                   and rules.says(provinces[1:], "Prov. di residenza")
                   else [f"the two province lists said {provinces!r}"], "province lists")

    def search_and_open(self):
        # Back to the first field, then to "Trova" among the card's commands.
        self.desk.keys(*["shift+Tab"] * 10)
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys(*["shift+Tab"] * 12)
        self.expect(mark, "Trova pulsante", "Trova picture")
        mark = self.speech.mark()
        self.desk.keys("space")
        self.expect(mark, "Trova clienti in archivio", "search window")
        self.speech.settle()
        self.desk.type("Rizzo")
        mark = self.speech.mark()
        self.desk.keys("shift+Tab", "shift+Tab")
        self.expect(mark, "Cerca pulsante", "Cerca")
        self.desk.keys("space")
        self.expect(mark, "Il presente riepilogo contiene 1 schede.", "search count")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Tab", "Tab")
        self.expect(mark, "Riepilogo clienti", "result list")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Return")
        self.expect(mark, f"Numero scheda: 2, Cognome e nome: {CLIENT}", "Enter on the result")
        self.speech.settle()

    def message_box(self):
        # From "Trova" back to "Salva": the card saved as it is, and the message box read whole.
        mark = self.speech.mark()
        self.desk.keys("shift+Tab", "shift+Tab", "shift+Tab")
        self.expect(mark, "Salva pulsante", "Salva")
        mark = self.speech.mark()
        self.desk.keys("space")
        self.expect(mark, "Le modifiche apportate alla scheda corrente sono state salvate in archivio.",
                    "message box")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("space")
        self.expect(mark, "Salva pulsante", "back from the message box")
        self.speech.settle()

    def schedule_warns(self):
        # From "Salva" to "Esci": Apri cartella, Allega file, Trova, Anteprima, Stampa, Crea PDF, Da
        # ricontattare, Esporta, Guida, Esci.
        mark = self.speech.mark()
        self.desk.keys(*["Tab"] * 10)
        self.expect(mark, "Esci pulsante", "Esci")
        mark = self.speech.mark()
        self.desk.keys("space")
        self.expect(mark, "ANAGRAFICA CLIENTI", "back to the menu")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Tab", "Tab", "Tab")
        self.expect(mark, "SCADENZE E APPUNTAMENTI", "schedule tile")
        self.desk.keys("space")
        self.expect(mark, "Scadenzario e Appuntamenti", "schedule window")
        self.expect(mark, "Ci sono scadenze", "schedule banner")
        self.speech.settle()

    def sale_with_the_picker(self):
        mark = self.speech.mark()
        self.desk.keys("shift+Tab")
        self.expect(mark, "Esci pulsante", "schedule's Esci")
        self.desk.keys("space")
        self.expect(mark, "SCADENZE E APPUNTAMENTI", "back to the menu")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Tab", "Tab", "Tab")
        self.expect(mark, "REGISTRO VENDITE", "sales tile")
        self.desk.keys("space")
        self.expect(mark, "Registro vendite e riepilogo profitti", "sales menu")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Return")
        self.expect(mark, "Apri Registro vendite", "Enter on the year")
        self.desk.keys("Return")
        self.expect(mark, "Registro vendite anno", "sale card")
        self.speech.settle()
        # From the day: Mese, Oggi, Ore, Minuti, Adesso, Codice articolo, Importa articolo.
        mark = self.speech.mark()
        self.desk.keys(*["Tab"] * 7)
        self.expect(mark, "Importa articolo pulsante", "Importa articolo")
        self.desk.keys("space")
        self.expect(mark, "Importa articoli da magazzino", "product picker")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("shift+Tab", "shift+Tab", "space")
        self.expect(mark, "Il presente elenco contiene 20 schede.", "picker count")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Tab", "Tab")
        self.expect(mark, "ART-00001", "the picker's first line")
        self.speech.settle()
        # Stampa, Chiudi, the quantity, then the import that leaves the stock alone.
        mark = self.speech.mark()
        self.desk.keys("Tab", "Tab", "Tab", "Tab")
        self.expect(mark, "Importa articolo senza aggiornare giacenza", "import button")
        self.desk.keys("space")
        self.expect(mark, "Codice articolo: ART-00001", "what was imported")
        self.speech.settle()

    def daily_summary(self):
        # From "Importa articolo" back over the sale's first fields to the toolbar's "G".
        mark = self.speech.mark()
        self.desk.keys(*["shift+Tab"] * 12)
        self.expect(mark, "G pulsante", "G")
        mark = self.speech.mark()
        self.desk.keys("space")
        self.expect(mark, "Riepilogo giornaliero vendite", "daily summary")
        self.expect(mark, "Giorno", "day list")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Down")
        self.expect(mark, "02", "the day the arrow reached")
        self.desk.keys("Tab")
        self.expect(mark, "Mese", "month list")
        self.desk.keys("Tab")
        self.expect(mark, "Anno: ", "year")
        self.speech.settle()
        mark = self.speech.mark()
        self.desk.keys("Escape")
        self.expect(mark, "Registro vendite anno", "back to the sale")
        self.speech.settle()

    def program_still_answers(self):
        result = subprocess.run(["/usr/bin/python3", "-c", END_OF_TEXT_QUERY], env=self.desk.env,
                                capture_output=True, text=True, timeout=60)
        answer = result.stdout.strip()
        print("end-of-text query:", answer, result.stderr.strip()[-300:], flush=True)
        if not answer.startswith("("):
            self.check([f"no answer to the end-of-text query: {answer!r}"], "end of text")
            return
        end, word, line = eval(answer)  # noqa: S307 - the repr of a tuple of our own
        if not line or len(line) != end:
            self.check([f"line at the end offset {line!r} of {end} characters"], "end of text")
        if not word:
            self.check(["no word at the end offset"], "end of text")
        self.o.assert_alive("after the end-of-text query")

    def steps(self):
        return [self.log_in, self.clients_card_by_card, self.fields_read_whole, self.search_and_open,
                self.message_box, self.schedule_warns, self.sale_with_the_picker, self.daily_summary,
                self.program_still_answers]


def main():
    build, artifacts = sys.argv[1], sys.argv[2]
    os.makedirs(artifacts, exist_ok=True)
    failed = 0
    with DesktopSession() as session:
        desk = ScreenReaderDesk(session, os.path.join(artifacts, "orca-parlato.txt"),
                                os.path.join(artifacts, "orca.log"))
        os.environ.update(session.env)
        desk.start()
        import accessible
        import telvara_operator
        operator = telvara_operator.Operator(session, build, artifacts)
        day = Day(desk, operator, accessible)
        try:
            for step in day.steps():
                started = time.monotonic()
                desk.speech.note(step.__name__)
                try:
                    step()
                except Exception:
                    failed += 1
                    operator.screenshot("lettore-errore-" + step.__name__)
                    print(f"FAIL {step.__name__}", flush=True)
                    traceback.print_exc()
                    break
                print(f"PASS {step.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
            english = rules.english_words(desk.speech.said)
            day.check([f"English {word!r} in {utterance!r}" for word, utterance in english], "language")
        finally:
            operator.stop()
            desk.close()
    if day.faults:
        failed += 1
    print(f"{'FAILED' if failed else 'PASSED'}: {len(day.faults)} rule(s) broken", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
