#!/usr/bin/python3
"""An operator's day with the installed program, end to end: each step is done on screen as a person and
a screen reader do it, and checked on screen and in the program folder's files.

    operator_day.py BUILD_FOLDER SCREENSHOT_FOLDER [--server]

With --server the archives are on a throwaway PostgreSQL cluster of the test's own (TELVARA_ARCHIVIO),
and the same day must go the same way.
"""

import csv
import datetime
import os
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import DesktopSession  # noqa: E402

# The accessibility library connects to the bus of the environment it is loaded in: it is loaded once
# the session's desktop is there (see main).
a = None
Operator = None
mail_parts = None

MONTHS = ["Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto", "Settembre",
          "Ottobre", "Novembre", "Dicembre"]

MENU = "Telvara 3.0"
LOGIN = "Telvara 3.0 - Autenticazione"
CLIENTS = "Telvara 3.0 - Anagrafica Clienti"
PRODUCTS = "Telvara 3.0 - Magazzino Prodotti e Servizi"
SCHEDULE = "Telvara 3.0 - Scadenzario e Appuntamenti"
SALES_MENU = "Telvara 3.0 - Registro vendite e riepilogo profitti"

CLIENT = "Bianchi Maria"
TAX_CODE = "BNCMRA80A41H501X"
EMAIL = "maria.bianchi@example.it"
ARTICLE = "E2E-001"


class Day:
    def __init__(self, operator):
        self.o = operator
        self.today = datetime.date.today()
        self.year = str(self.today.year)
        self.tomorrow = self.today + datetime.timedelta(days=1)
        self.failures = []

    def check(self, condition, what):
        """A value the operator would see wrong: told at the end, the day goes on."""
        if not condition:
            self.failures.append(what)
            print("FAIL check:", what, flush=True)

    # --- the steps --------------------------------------------------------------------------------

    def log_in(self):
        self.o.start()
        w = self.o.window(LOGIN)
        self.o.set(w, "Immetti la password e premi OK.", "sbagliata")
        self.o.press(w, "OK")
        self.o.message("Attenzione: password errata.")
        w = self.o.window(LOGIN)
        assert self.o.text(w, "Immetti la password e premi OK.") == "", "the wrong password stays typed"
        self.o.set(w, "Immetti la password e premi OK.", "telvara")
        self.o.press(w, "OK")
        self.o.window(MENU)

    def new_client_with_pasted_tax_code(self):
        self.o.press(self.o.window(MENU), "ANAGRAFICA CLIENTI")
        w = self.o.window(CLIENTS)
        self.o.press(w, "Nuovo")
        # Enter goes from field to field, and from the last back to the first.
        self.o.click(self.o.field(w, "Questioni in sospeso"))
        for expected in ["Note", "Cognome e nome", "Data di nascita", "Comune di nascita"]:
            self.o.key("Return")
            focused = self.o.focused_name(w)
            self.check(focused == expected, f"Enter went to {focused!r} instead of {expected!r}")
        self.o.set(w, "Cognome e nome", CLIENT)
        # Copied from an e-mail with blanks around it and in lower case.
        self.o.paste(self.o.field(w, "Codice fiscale"), "  " + TAX_CODE.lower() + " ")
        self.check(self.o.text(w, "Codice fiscale") == TAX_CODE,
                   f"pasted tax code reads {self.o.text(w, 'Codice fiscale')!r}")
        self.o.set(w, "Codice fiscale", TAX_CODE)
        self.o.set(w, "E-mail", EMAIL)
        self.o.set(w, "Zona di appartenenza", "Nord")
        self.o.set(w, "Modalità di pagamento", "Bonifico")
        self.o.press(w, "Salva")
        self.o.message("La scheda corrente è stata inserita in archivio.")
        found = self.o.cli("cerca", "clienti", "--cf", TAX_CODE)
        assert CLIENT in found and "contiene 1 schede" in found, found

    def call_from_the_client_card(self):
        w = self.o.window(CLIENTS)
        self.o.press(w, "Nuova chiamata")
        d = self.o.window("Registrazione nuova chiamata")
        assert self.o.text(d, "C.F.") == TAX_CODE
        self.o.set(d, "Oggetto", "Rinnovo del contratto")
        self.o.set(d, "Operatore", "Sala Graziella")
        self.o.press(d, "Applica e chiudi")
        self.o.message("La chiamata corrente è stata salvata nel Registro chiamate.")
        self.o.gone("Registrazione nuova chiamata")
        found = self.o.cli("cerca", "chiamate", "--anno", self.year, "--cf", TAX_CODE)
        assert "Rinnovo del contratto" in found and "contiene 1 schede" in found, found

    def appointment_for_tomorrow(self):
        w = self.o.window(CLIENTS)
        self.o.press(w, "Nuovo appuntamento")
        d = self.o.window("Registrazione nuovo appuntamento")
        day, month = self.o.controls(d, None, "combo box")[:2]
        shown = self.o.choice(day), self.o.choice(month)
        self.check(shown == ("", ""), f"day and month start as {shown}")
        if shown[0] == "":
            # Saving without a day is refused, and nothing is written.
            self.o.press(d, "Applica e chiudi")
            self.o.message("Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza.")
        # The wheel over a closed list changes nothing.
        shown = self.o.choice(day)
        self.o.wheel(day, 3)
        self.check(self.o.choice(day) == shown, f"the wheel changed the day from {shown!r} to {self.o.choice(day)!r}")
        self.o.pick(day, f"{self.tomorrow.day:02d}")
        self.o.pick(month, MONTHS[self.tomorrow.month - 1])
        self.o.set(d, "Anno", str(self.tomorrow.year))
        self.o.set(d, "Avvisa n. giorni prima della scadenza", "1")
        self.o.set(d, "Causale", "Firma del contratto")
        self.o.press(d, "Applica e chiudi")
        self.o.message("L'appuntamento corrente è stato salvato nello scadenzario.")
        self.o.gone("Registrazione nuovo appuntamento")
        imminent = self.o.cli("scadenze", "--anno", str(self.tomorrow.year), "--imminenti")
        assert "Firma del contratto" in imminent and self.tomorrow.strftime("%d/%m/%Y") in imminent, imminent

    def schedule_warns_and_lives(self):
        self.o.press(self.o.window(CLIENTS), "Esci")
        recording = os.path.join(self.o.session.folder, "avviso.wav")
        recorder = self.o.session.record_sound(recording)
        time.sleep(0.5)
        self.o.press(self.o.window(MENU), "SCADENZE E APPUNTAMENTI")
        w = self.o.window(SCHEDULE)
        self.o.controls(w, "Ci sono scadenze", "label")
        time.sleep(3)
        self.o.session.stop_recording(recorder)
        self.o.assert_alive("after opening the schedule")
        rms = sound_level(recording)
        assert rms > 0.02, f"the warning was not heard (RMS amplitude {rms})"
        self.o.press(w, "Esci")

    def new_product(self):
        self.o.press(self.o.window(MENU), "PRODOTTI E SERVIZI")
        w = self.o.window(PRODUCTS)
        self.o.press(w, "Nuovo")
        for name, value in [("Codice articolo", ARTICLE), ("Tipologia", "Accessorio"),
                            ("Descrizione", "Cuffia con microfono"), ("Giacenza", "10"), ("Costo", "20,00"),
                            ("Prezzo", "30,00"), ("Perc. IVA", "22")]:
            self.o.set(w, name, value)
        self.o.press(w, "Calcola")
        a.wait_until(lambda: self.o.text(w, "Prezzo con IVA") == "36,60", what="price with VAT")
        self.o.press(w, "Salva")
        self.o.message("La scheda corrente è stata inserita in archivio.")
        found = self.o.cli("cerca", "articoli", "--codice", ARTICLE)
        assert "Giacenza: 10 " in found, found
        self.o.press(w, "Esci")

    def save_while_in_an_amount_field(self):
        self.o.press(self.o.window(MENU), "PRODOTTI E SERVIZI")
        w = self.o.window(PRODUCTS)
        self.o.press(w, "Ultima scheda")
        a.wait_until(lambda: self.o.text(w, "Codice articolo") == ARTICLE, what="the day's product")
        cost = self.o.field(w, "Costo")
        self.o.click(cost)
        self.o.key("ctrl+a", "BackSpace")
        self.o.type("4,5,6")
        # A hurried operator saves without leaving the field: a second comma is refused, never stored as
        # another number.
        before = self.o.cli("cerca", "articoli", "--codice", ARTICLE).split("Costo:")[1].split()[0]
        self.o.press(w, "Salva")
        said = a.wait_until(lambda: next((" ".join(n.name for n in a.find_all(m, "label"))
                                          for m in a.windows(self.o.app) if a.role(m) == "alert"), None),
                            what="the answer to Save")
        self.o.message(said.split("\n")[0][:30])
        line = self.o.cli("cerca", "articoli", "--codice", ARTICLE)
        stored = line.split("Costo:")[1].split()[0]
        kept = self.o.text(w, "Costo")
        self.check(stored == before and "non è un numero valido" in said and kept == "4,5,6",
                   f"typing 4,5,6 and saving stored the cost {stored} (was {before}) and said {said!r}")
        self.o.set(w, "Costo", "20,00")
        self.o.press(w, "Salva")
        self.o.message("salvate in archivio")
        self.o.press(w, "Esci")

    def sale_with_the_picker(self):
        self.o.press(self.o.window(MENU), "REGISTRO VENDITE")
        menu = self.o.window(SALES_MENU)
        self.o.set(menu, "Anno", self.year)
        self.o.press(menu, "Apri")
        w = self.o.window(f"Telvara 3.0 - Registro vendite anno {self.year}")
        self.o.press(w, "Nuovo")
        # Closing the picker in the middle takes nothing.
        self.o.press(w, "Importa articolo")
        p = self.o.window("Importa articoli da magazzino")
        self.o.set(p, "Codice articolo", ARTICLE)
        self.o.press(p, "Cerca")
        a.find(p, None, "list item")
        self.o.key("Escape")
        self.o.gone("Importa articoli da magazzino")
        assert self.o.text(w, "Codice articolo") == ""
        # Now for real: two pieces taken out of stock.
        self.o.press(w, "Importa articolo")
        p = self.o.window("Importa articoli da magazzino")
        self.o.set(p, "Codice articolo", ARTICLE)
        self.o.press(p, "Cerca")
        self.o.click(a.find(p, None, "list item"))
        self.o.set(p, "Quantità da scaricare", "2")
        self.o.press(p, "Importa articolo e aggiorna giacenza")
        self.o.gone("Importa articoli da magazzino")
        assert self.o.text(w, "Codice articolo") == ARTICLE
        assert self.o.text(w, "Importo: €") == "36,60", self.o.text(w, "Importo: €")
        found = self.o.cli("cerca", "articoli", "--codice", ARTICLE)
        assert "Giacenza: 8 " in found, found
        self.o.set(w, "Cognome e nome cliente", CLIENT)
        self.o.set(w, "Codice fiscale", TAX_CODE)
        self.o.set(w, "E-mail", EMAIL)
        # An amount pasted from a quote, and Save pressed while still in the field.
        amount = self.o.field(w, "Importo: €")
        self.o.set(w, "Importo: €", "")
        self.o.paste(amount, "Totale EUR 1.234,56")
        self.check(self.o.text(w, "Importo: €") == "1234,56",
                   f"pasted amount reads {self.o.text(w, 'Importo: €')!r}")
        self.o.set(w, "Importo: €", "1234,56")
        self.o.press(w, "Salva")
        self.o.message("La scheda corrente è stata salvata in archivio.")
        sold = self.o.cli("cerca", "vendite", "--anno", self.year, "--cf", TAX_CODE)
        assert ARTICLE in sold and "contiene 1 schede" in sold, sold
        assert "Giacenza: 8 " in self.o.cli("cerca", "articoli", "--codice", ARTICLE)
        self.sale_window = w

    def confirmation_email(self):
        w = self.sale_window
        before = len(self.o.opened_targets())
        self.o.press(w, "Invia e-mail")
        a.wait_until(lambda: len(self.o.opened_targets()) > before, what="mail link handed to the desktop")
        address, subject, body = mail_parts(self.o.opened_targets()[-1])
        day, month, hour, minutes = [self.o.choice(c) for c in self.o.controls(w, None, "combo box")[:4]]
        expected = (f"Gentile Sig. {CLIENT}, con la presente le confermiamo la corretta registrazione del suo "
                    f"acquisto effettuato in data {day} {month} {self.year} alle ore {hour}:{minutes} relativo "
                    f"all'articolo con codice n. {ARTICLE} al prezzo convenuto di euro 1234,56 con le seguenti "
                    f"caratteristiche: Cuffia con microfono. Ringraziandola per la preferenza accordataci, le "
                    f"porgiamo cordiali saluti.")
        assert (address, subject) == (EMAIL, "Conferma acquisto"), (address, subject)
        assert body == expected, f"\n{body}\n{expected}"

    def sales_summaries(self):
        w = self.sale_window
        for button, title, pick in [("G", "Riepilogo giornaliero vendite", True),
                                    ("M", "Riepilogo mensile vendite", True),
                                    ("A", "Riepilogo annuale vendite", False)]:
            self.o.press(w, button)
            s = self.o.window(title)
            combos = a.find_all(s, "combo box")
            if pick and len(combos) >= 2:
                self.o.pick(combos[0], f"{self.today.day:02d}")
                self.o.pick(combos[1], MONTHS[self.today.month - 1].upper())
            elif pick and combos:
                self.o.pick(combos[0], MONTHS[self.today.month - 1].upper())
            if any(n.name == "Visualizza" for n in a.find_all(s, "push button")):
                self.o.press(s, "Visualizza")
            table = self.o.controls(s, title, "table")[0].queryTable()
            a.wait_until(lambda: table.nRows > 0, what=f"rows of {title}")
            cells = [table.getAccessibleAt(r, c).name for r in range(table.nRows) for c in range(table.nColumns)]
            if button != "A":
                assert TAX_CODE in cells and "1234,56" in cells, f"{title}: the sale of today is missing"
            self.o.press(s, "Esci")
            self.o.gone(title)
        self.o.press(w, "Esci")

    def client_histories(self):
        self.o.press(self.o.window(MENU), "ANAGRAFICA CLIENTI")
        w = self.o.window(CLIENTS)
        # The card of the day's client is the last in the archive.
        self.o.press(w, "Ultima scheda")
        a.wait_until(lambda: self.o.text(w, "Cognome e nome") == CLIENT, what="the day's client on the card")
        for button, title, expected in [("Riepilogo chiamate", "Riepilogo chiamate fatte al cliente",
                                         "Rinnovo del contratto"),
                                        ("Riepilogo appuntamenti", "Riepilogo appuntamenti presi con il cliente",
                                         "Firma del contratto"),
                                        ("Riepilogo vendite", "Riepilogo vendite concluse con il cliente",
                                         ARTICLE)]:
            self.o.press(w, button)
            h = self.o.window(title)
            self.check(self.o.text(h, "Codice fiscale cliente") == TAX_CODE,
                       f"{title}: the card's tax code is not proposed")
            self.o.set(h, "Codice fiscale cliente", TAX_CODE)
            self.o.press(h, "Apri")
            lines = a.wait_until(lambda: [i.name for i in a.find_all(h, "list item")], what=f"lines of {title}")
            assert any(expected in line for line in lines), f"{title}: {lines}"
            self.o.press(h, "Chiudi")
            self.o.gone(title)

    def export_read_by_libreoffice(self):
        w = self.o.window(CLIENTS)
        self.o.press(w, "Esporta archivio")
        e = self.o.window("Esporta archivio clienti in Microsoft Excel")
        self.o.press(e, "Esporta")
        self.o.message("Si vuole esportare i dati adesso?", "Sì")
        self.o.message("Le schede in archivio sono state esportate con successo.", "No")
        self.o.press(e, "Esci")
        self.o.gone("Esporta archivio clienti in Microsoft Excel")
        converted = os.path.join(self.o.session.folder, "foglio")
        subprocess.run(["soffice", "--headless", "--norestore", "--convert-to",
                        "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", converted,
                        os.path.join(self.o.folder, "Clienti.xls")], env=self.o.session.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=180)
        with open(os.path.join(converted, "Clienti.csv"), encoding="utf-8") as sheet:
            rows = list(csv.reader(sheet))
        ours = [row for row in rows if row and row[0] == CLIENT]
        assert len(ours) == 1 and TAX_CODE in ours[0] and EMAIL in ours[0], ours
        clients = self.o.cli("cerca", "clienti").strip().splitlines()[-1]
        assert f"contiene {len(rows) - 1} schede" in clients, (len(rows), clients)

    def card_to_pdf(self):
        w = self.o.window(CLIENTS)
        before = len(self.o.opened_targets())
        self.o.press(w, "Crea PDF")
        self.o.message("Si vuole aprire il file?", "Sì")
        a.wait_until(lambda: len(self.o.opened_targets()) > before, what="PDF handed to the desktop")
        path = self.o.opened_targets()[-1]
        assert path.endswith("Cliente.pdf"), path
        text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True,
                              check=True).stdout
        assert CLIENT in text and TAX_CODE in text and EMAIL in text, text
        self.o.press(w, "Esci")

    def profit_summary(self):
        self.o.press(self.o.window(MENU), "REGISTRO VENDITE")
        menu = self.o.window(SALES_MENU)
        self.o.press(menu, "Apri", nth=1)
        w = self.o.window("Telvara 3.0 - Riepilogo profitti")
        self.o.set(w, "Codice fiscale cliente", TAX_CODE)
        start_day, start_month, end_day, end_month = self.o.controls(w, None, "combo box")[:4]
        self.o.pick(start_day, "01")
        self.o.pick(start_month, "Gennaio")
        self.o.pick(end_day, "31")
        self.o.pick(end_month, "Dicembre")
        self.o.press(w, "Visualizza riepilogo")
        result = a.wait_until(lambda: next((d for d in a.windows(self.o.app) if a.role(d) == "dialog"), None),
                              what="profit summary")
        self.o.walk(result)
        lines = a.wait_until(lambda: [i.name for i in a.find_all(result, "list item")], what="summary lines")
        printed = self.o.cli("riepilogo", "profitti", "--anno", self.year, "--dal", "01/01", "--al", "31/12",
                             "--cf", TAX_CODE)
        assert any(ARTICLE in line for line in lines), lines
        for line in lines:
            assert line.strip() in printed, f"{line!r} not in\n{printed}"
        assert "1234,56" in printed, printed
        a.press(a.find(result, "Chiudi", "push button"))
        self.o.press(w, "Esci")
        self.back_to_menu()

    def charts(self):
        for tile, menu_title, field in [("STATISTICHE PROFITTI", "Telvara 3.0 - Grafici statistici entrate mensili",
                                         "Anno"),
                                        ("STATISTICHE TELEFONATE",
                                         "Telvara 3.0 - Grafici statistici telefonate mensili", "Anno")]:
            self.o.press(self.o.window(MENU), tile)
            menu = self.o.window(menu_title)
            self.o.set(menu, field, self.year)
            self.o.press(menu, "Visualizza")
            chart = a.wait_until(lambda: next((w for w in a.windows(self.o.app)
                                               if w.name.strip().startswith("Telvara 3.0 - Statistiche")), None),
                                 what=f"chart of {tile}")
            self.o.walk(chart)
            self.o.press(chart, "Visualizza grafico a torta")
            time.sleep(0.5)
            self.o.screenshot("grafico-torta-" + tile.split()[-1].lower())
            self.o.press(chart, "Visualizza grafico a barre")
            self.o.assert_alive("with the chart on screen")
            self.o.press(chart, "Esci")
            self.back_to_menu()

    def contracts_to_renew(self):
        self.o.press(self.o.window(MENU), "OPERATORI E AGENTI")
        w = self.o.window("Telvara 3.0 - Operatori e Agenti")
        self.o.press(w, "Contratti")
        r = self.o.window("Riepilogo contratti in scadenza o scaduti")
        lines = [i.name.strip() for i in a.find_all(r, "list item")]
        expected = [line.strip() for line in self.o.cli("contratti").splitlines() if line.strip()]
        assert lines and lines == expected, f"{lines}\n{expected}"
        self.o.press(r, "Chiudi")
        self.o.gone("Riepilogo contratti in scadenza o scaduti")
        self.o.press(w, "Esci")

    def change_password_and_log_in_again(self):
        self.o.press(self.o.window(MENU), "Esci da Telvara 3.0")
        self.o.wait_ended()
        self.o.start()
        w = self.o.window(LOGIN)
        self.o.press(w, "Cambia password")
        c = self.o.window("Cambia password")
        self.o.set(c, "Vecchia password", "telvara")
        self.o.set(c, "Nuova password", "Turno2")
        self.o.set(c, "Conferma nuova password", "Turno2")
        self.o.press(c, "OK")
        self.o.message("Modifica della password completata con successo.")
        w = self.o.window(LOGIN)
        self.o.set(w, "Immetti la password e premi OK.", "telvara")
        self.o.press(w, "OK")
        self.o.message("Attenzione: password errata.")
        self.o.set(self.o.window(LOGIN), "Immetti la password e premi OK.", "turno2")
        self.o.press(self.o.window(LOGIN), "OK")
        self.o.window(MENU)
        self.o.press(self.o.window(MENU), "Esci da Telvara 3.0")
        self.o.wait_ended()

    def schedule_on_a_desk_without_sound(self):
        self.o.start(sound=False)
        w = self.o.window(LOGIN)
        self.o.set(w, "Immetti la password e premi OK.", "turno2")
        self.o.press(w, "OK")
        self.o.press(self.o.window(MENU), "SCADENZE E APPUNTAMENTI")
        s = self.o.window(SCHEDULE)
        self.o.controls(s, "Ci sono scadenze", "label")
        time.sleep(3)
        self.o.assert_alive("after opening the schedule on a desk without sound")
        self.o.press(s, "Esci")
        self.o.press(self.o.window(MENU), "Esci da Telvara 3.0")
        self.o.wait_ended()

    def back_to_menu(self):
        """Leaves the windows on the way back to the main menu by their own Esci."""
        for _ in range(4):
            time.sleep(0.5)
            titles = a.wait_until(lambda: [w.name.strip() for w in a.windows(self.o.app)], what="a window")
            if titles == [MENU]:
                return
            self.o.press(self.o.window(titles[-1]), "Esci")
        raise AssertionError(f"not back to the main menu: {titles}")

    # --- the end ----------------------------------------------------------------------------------

    def archives_sound(self):
        report = subprocess.run([os.path.join(self.o.folder, "telvara-cli"), "--cartella", self.o.folder,
                                 "verifica"], capture_output=True, text=True)
        assert report.returncode == 0, report.stdout + report.stderr

    def steps(self):
        return [self.log_in, self.new_client_with_pasted_tax_code, self.call_from_the_client_card,
                self.appointment_for_tomorrow, self.schedule_warns_and_lives, self.new_product,
                self.save_while_in_an_amount_field, self.sale_with_the_picker, self.confirmation_email, self.sales_summaries,
                self.client_histories, self.export_read_by_libreoffice, self.card_to_pdf, self.profit_summary,
                self.charts, self.contracts_to_renew, self.change_password_and_log_in_again,
                self.schedule_on_a_desk_without_sound, self.archives_sound]


def sound_level(recording):
    """The RMS amplitude of a recording as sox measures it; 0 for silence or no recording."""
    result = subprocess.run(["sox", recording, "-n", "stat"], capture_output=True, text=True)
    for line in result.stderr.splitlines():
        if line.startswith("RMS") and "amplitude" in line:
            return float(line.split(":")[1])
    return 0.0


def main():
    build, shots = sys.argv[1], sys.argv[2]
    os.makedirs(shots, exist_ok=True)
    if "--server" not in sys.argv[3:]:
        return work_the_day(build, shots)
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                          "throwaway-postgres.sh")
    cluster = f"/tmp/telvara-giornata-postgres-{os.getpid()}"
    uri = subprocess.run(["bash", script, "start", cluster], check=True, capture_output=True,
                         text=True).stdout.strip()
    os.environ["TELVARA_ARCHIVIO"] = uri
    try:
        return work_the_day(build, shots)
    finally:
        subprocess.run(["bash", script, "stop", cluster])


def work_the_day(build, shots):
    passed, failed = 0, 0
    global a, Operator, mail_parts
    with DesktopSession() as session:
        os.environ.update(session.env)
        import accessible
        import telvara_operator
        a, Operator, mail_parts = accessible, telvara_operator.Operator, telvara_operator.mail_parts
        operator = Operator(session, build, shots)
        day = Day(operator)
        try:
            for step in day.steps():
                started = time.monotonic()
                try:
                    step()
                except Exception:
                    failed += 1
                    operator.screenshot("errore-" + step.__name__)
                    print(f"FAIL {step.__name__}", flush=True)
                    traceback.print_exc()
                    break
                passed += 1
                print(f"PASS {step.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
            for problem in operator.problems:
                print("FAIL window walk:", problem, flush=True)
            if operator.problems or day.failures:
                failed += 1
        finally:
            operator.stop()
    print(f"{passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
