<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/options_window/AboutBox.cpp" line="+41"/>
        <location line="+1"/>
        <source>About</source>
        <translation>Über Tessaly</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaly  Version </source>
        <translation>Tessaly  Version </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Written by:</source>
        <translation>Geschrieben von:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homepage:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaly is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>Tessaly ist freie Software: Sie dürfen sie unter den Bedingungen der GNU General Public License, Version 3 oder später, weitergeben und verändern.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>License agreement:</source>
        <translation>Lizenzvereinbarung:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <location filename="../src/options_window/AdvancedPage.cpp" line="+17"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delay automatic wallpaper changing if screen saver is running or the computer is locked.</source>
        <translation>Automatischen Wechsel verschieben, solange der Bildschirmschoner läuft oder der Rechner gesperrt ist.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delay automatic wallpaper changing if the cpu usage is equal or above :</source>
        <translation>Automatischen Wechsel verschieben ab einer CPU-Auslastung von:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>CPU usage limit in percent</source>
        <translation>Grenze der CPU-Auslastung in Prozent</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the CPU usage limit by one</source>
        <translation>Grenze der CPU-Auslastung um eins ändern</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Prepare the next wallpaper in advance</source>
        <translation>Nächstes Hintergrundbild im Voraus vorbereiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The next picture is made ready while the computer is idle, so that the change is almost instant. It holds memory for one screen-sized picture, and waits while the computer runs on battery.</source>
        <translation>Das nächste Bild wird vorbereitet, während der Rechner nichts zu tun hat, sodass der Wechsel fast sofort geschieht. Dafür wird Speicher für ein bildschirmgroßes Bild belegt; im Akkubetrieb wird gewartet.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clock and calendar transparency :</source>
        <translation>Transparenz von Uhr und Kalender:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opaque</source>
        <translation>Deckend</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No compositing manager is running, so the clock and calendar cannot be translucent: they show opaque (at the right end, not at all) until one runs.</source>
        <translation>Es läuft kein Compositing-Manager, daher können Uhr und Kalender nicht durchscheinend sein: sie werden deckend angezeigt (ganz rechts gar nicht), bis einer läuft.</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>The CPU limit &quot;%1&quot; is not a whole number from 0 to 100; it stays %2%.</source>
        <translation>Die CPU-Grenze „%1“ ist keine ganze Zahl von 0 bis 100; sie bleibt bei %2 %.</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <location filename="../src/widgets/CalendarWidget.cpp" line="+14"/>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <location filename="../src/internet/Categories.cpp" line="+93"/>
        <source>the catalogue could not be written: %1</source>
        <translation>der Katalog konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the download failed</source>
        <translation>das Herunterladen ist fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/internet/Categories.h" line="+55"/>
        <source>Please refresh!</source>
        <translation>Bitte aktualisieren!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The internet categories could not be refreshed from %1: %2</source>
        <translation>Die Internetkategorien konnten nicht von %1 aktualisiert werden: %2</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>CatCode</source>
        <translation>CatCode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter the new CatCode.<byte value="xd"/>
Leave blank for default.</source>
        <translation>Bitte geben Sie den neuen CatCode ein.<byte value="xd"/>
Lassen Sie das Feld leer, um den Standardkatalog zu verwenden.</translation>
    </message>
</context>
<context>
    <name>ClockWidget</name>
    <message>
        <location filename="../src/widgets/ClockWidget.cpp" line="+19"/>
        <location line="+1"/>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
</context>
<context>
    <name>ColorsPage</name>
    <message>
        <location filename="../src/options_window/ColorsPage.cpp" line="+14"/>
        <source>%1%</source>
        <comment>a percentage, as in 100%</comment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ColorsPageWidget</name>
    <message>
        <location filename="../src/options_window/ColorsPageWidget.cpp" line="+18"/>
        <source>Wallpaper colors</source>
        <translation>Farben des Hintergrundbilds</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+2"/>
        <source>Invert colors</source>
        <translation>Farben umkehren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Reset</source>
        <comment>button: undo the colour changes</comment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Example</source>
        <comment>preview pictures of the colour filters</comment>
        <translation>Beispiel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Example before</source>
        <translation>Beispiel vorher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Example after</source>
        <translation>Beispiel nachher</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>Desktop color:</source>
        <translation>Desktopfarbe:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/shell/CommandLine.cpp" line="+65"/>
        <source>Usage: tessaly [OPTION]
Desktop wallpaper changer that lives in the notification area.

  /y              start as at log-on: no settings window; ends at once when
                  &quot;Start with the system&quot; is off
  --next          switch to the next wallpaper
  --previous      go back to the wallpaper shown before
  --clear         clear the wallpaper
  --toggle-timer  switch automatic wallpaper changing on or off
  --settings      open the settings window
  --quit          end the running Tessaly
  -h, --help      show this help
  --version       show the version

With Tessaly already running, the option is handed to it. Without an
option, Tessaly starts and opens its settings window; arguments that are
not options (not starting with &quot;-&quot;) are ignored.
</source>
        <translation>Aufruf: tessaly [OPTION]
Wechselt das Hintergrundbild des Desktops, vom Benachrichtigungsfeld aus.

  /y              wie beim Anmelden starten: ohne Einstellungsfenster; endet
                  sofort, wenn „Tessaly beim Anmelden starten“ aus ist
  --next          zum nächsten Hintergrundbild wechseln
  --previous      zum vorherigen Hintergrundbild zurückgehen
  --clear         das Hintergrundbild entfernen
  --toggle-timer  den automatischen Wechsel des Hintergrundbilds ein- oder
                  ausschalten
  --settings      das Einstellungsfenster öffnen
  --quit          das laufende Tessaly beenden
  -h, --help      diese Hilfe anzeigen
  --version       die Version anzeigen

Läuft Tessaly bereits, wird ihm die Option übergeben. Ohne Option startet
Tessaly und öffnet sein Einstellungsfenster; Argumente, die keine Optionen
sind (nicht mit „-“ beginnen), werden ignoriert.
</translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <location filename="../src/compose/Compose.cpp" line="+183"/>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is too large for a picture.</source>
        <translation>Die Datei %1 ist zu groß für ein Bild.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is empty.</source>
        <translation>Die Datei %1 ist leer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture %1 is too large to show: %2 x %3 pixels, over the limit of 64 million pixels.</source>
        <translation>Das Bild %1 ist zu groß zum Anzeigen: %2 × %3 Pixel, über der Grenze von 64 Millionen Pixeln.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+6"/>
        <location line="+14"/>
        <location line="+56"/>
        <location line="+27"/>
        <source>Cannot load %1: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>The metafile %1 is damaged: %2</source>
        <translation>Die Metadatei %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 is not a picture in a known format.</source>
        <translation>%1 ist kein Bild in einem bekannten Format.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>Das Bild %1 ist zu groß (%2 × %3 Pixel).</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+11"/>
        <source>The picture %1 is damaged or incomplete.</source>
        <translation>Das Bild %1 ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The picture %1 has no usable size.</source>
        <translation>Das Bild %1 hat keine verwendbare Größe.</translation>
    </message>
    <message>
        <location line="+242"/>
        <source>There is no picture to write.</source>
        <translation>Es gibt kein Bild zum Schreiben.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <location filename="../src/options_window/Countdown.cpp" line="+20"/>
        <source>Next wallpaper change at: %1 O&apos;Clock.</source>
        <translation>Nächster Wechsel des Hintergrundbilds um %1 Uhr.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changing wallpaper now!</source>
        <translation>Hintergrundbild wird jetzt gewechselt!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next wallpaper change is after: %1.</source>
        <translation>Nächster Wechsel des Hintergrundbilds in %1.</translation>
    </message>
</context>
<context>
    <name>DownloadCache</name>
    <message>
        <location filename="../src/internet/DownloadCache.cpp" line="+208"/>
        <source>Cache file size: %1 bytes</source>
        <translation>Größe der Cache-Datei: %1 Byte</translation>
    </message>
    <message>
        <location filename="../src/internet/DownloadCache.h" line="+72"/>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cache</source>
        <translation>Cache leeren</translation>
    </message>
</context>
<context>
    <name>DownloadClient</name>
    <message>
        <location filename="../src/internet/DownloadClient.cpp" line="+184"/>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen …</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the download was abandoned at line: %2</source>
        <translation>Fehler %1: Das Herunterladen wurde in Zeile %2 abgebrochen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Error %1: the proxy &quot;%2&quot; is not an address of the form host:port</source>
        <translation>Fehler %1: Der Proxy „%2“ ist keine Adresse der Form Rechner:Port</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Error %1: &quot;%2&quot; is not an http or https address</source>
        <translation>Fehler %1: „%2“ ist keine HTTP- oder HTTPS-Adresse</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Error %1: the answer is larger than %2 MB</source>
        <translation>Fehler %1: Die Antwort ist größer als %2 MB</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the server went silent: nothing came within %2 seconds</source>
        <translation>Fehler %1: Der Server antwortet nicht mehr; innerhalb von %2 Sekunden kam nichts an</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error %1: the answer did not complete within %2 seconds (%3 bytes came)</source>
        <translation>Fehler %1: Die Antwort war nach %2 Sekunden nicht vollständig (%3 Byte empfangen)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> at line: %1</source>
        <translation> in Zeile %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvane Downloader Error</source>
        <translation>Fehler im Orvane-Downloader</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <location filename="../src/feeds/FeedReader.cpp" line="+76"/>
        <source>The document is larger than %1 MB.</source>
        <translation>Das Dokument ist größer als %1 MB.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The document declares entities, which a feed does not need; it was not read.</source>
        <translation>Das Dokument deklariert Entitäten, die ein Feed nicht braucht; es wurde nicht gelesen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The document&apos;s elements are nested more than %1 deep.</source>
        <translation>Die Elemente des Dokuments sind mehr als %1 Ebenen tief verschachtelt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The document is not an RSS or Atom feed.</source>
        <translation>Das Dokument ist kein RSS- oder Atom-Feed.</translation>
    </message>
    <message>
        <location line="+137"/>
        <location line="+169"/>
        <source>The feed&apos;s title is longer than %1 characters; it was not read.</source>
        <translation>Der Titel des Feeds ist länger als %1 Zeichen; er wurde nicht gelesen.</translation>
    </message>
    <message>
        <location line="-303"/>
        <source>The document is not well-formed XML: %1 (line %2).</source>
        <translation>Das Dokument ist kein wohlgeformtes XML: %1 (Zeile %2).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The feed has no title.</source>
        <translation>Der Feed hat keinen Titel.</translation>
    </message>
</context>
<context>
    <name>FeedUpdater</name>
    <message>
        <location filename="../src/feeds/FeedUpdater.cpp" line="+39"/>
        <source>Not downloaded yet.</source>
        <translation>Noch nicht heruntergeladen.</translation>
    </message>
</context>
<context>
    <name>FontPicker</name>
    <message>
        <location filename="../src/options_window/FontPicker.cpp" line="+154"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale red</source>
        <translation>Blassrot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale orange</source>
        <translation>Blassorange</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale yellow</source>
        <translation>Blassgelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale cyan</source>
        <translation>Blasscyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale magenta</source>
        <translation>Blassmagenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light cyan</source>
        <translation>Hellcyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light magenta</source>
        <translation>Hellmagenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark orange</source>
        <translation>Dunkelorange</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark cyan</source>
        <translation>Dunkelcyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark magenta</source>
        <translation>Dunkelmagenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deep green</source>
        <translation>Tiefgrün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark red</source>
        <translation>Sehr dunkles Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rosy brown</source>
        <translation>Rosenholz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark olive</source>
        <translation>Dunkles Oliv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark green</source>
        <translation>Sehr dunkles Grün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark cyan</source>
        <translation>Sehr dunkles Cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark blue</source>
        <translation>Sehr dunkles Blau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark purple</source>
        <translation>Sehr dunkles Lila</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+18"/>
        <source>Font name :</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+16"/>
        <source>Size :</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+1"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>UnderLine</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Color</source>
        <comment>button: choose the font colour</comment>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Current color</source>
        <translation>Aktuelle Farbe</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>Preview :</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>accept and close window</source>
        <translation>Übernehmen und Fenster schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>discard and close window</source>
        <translation>Verwerfen und Fenster schließen</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Select Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The font size &quot;%1&quot; is not a number.</source>
        <translation>Die Schriftgröße „%1“ ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>HotKeyActions</name>
    <message>
        <location filename="../src/shell/HotKeyActions.cpp" line="+16"/>
        <source>Automatic wallpaper changing is now Enabled</source>
        <translation>Der automatische Wechsel des Hintergrundbilds ist jetzt eingeschaltet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic wallpaper changing is now Disabled</source>
        <translation>Der automatische Wechsel des Hintergrundbilds ist jetzt ausgeschaltet</translation>
    </message>
</context>
<context>
    <name>HotKeys</name>
    <message>
        <location filename="../src/hotkeys/HotKeys.cpp" line="+21"/>
        <source>Ctrl + Alt</source>
        <translation>Strg + Alt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Alt + Shift</source>
        <translation>Strg + Alt + Umschalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Shift</source>
        <translation>Strg + Umschalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt + Shift</source>
        <translation>Alt + Umschalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Clear Wallpaper</source>
        <translation>Hintergrundbild entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch wallpaper</source>
        <translation>Hintergrundbild wechseln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable/Enable automatic wallpaper changing</source>
        <translation>Automatischen Wechsel des Hintergrundbilds aus-/einschalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open this window.</source>
        <translation>Dieses Fenster öffnen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+35"/>
        <source>Previous wallpaper</source>
        <translation>Vorheriges Hintergrundbild</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Clear the wallpaper</source>
        <translation>Hintergrundbild entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next wallpaper</source>
        <translation>Nächstes Hintergrundbild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch automatic wallpaper changing on or off</source>
        <translation>Automatischen Bildwechsel ein- oder ausschalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the settings window</source>
        <translation>Einstellungsfenster öffnen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>waiting for the desktop&apos;s answer</source>
        <translation>wartet auf die Antwort des Desktops</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/options_window/HotKeysPage.cpp" line="+120"/>
        <source>in force</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in force; shown in %1</source>
        <translation>aktiv; zu sehen in %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>handed to the desktop; shown in %1</source>
        <translation>an den Desktop übergeben; zu sehen in %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/options_window/HotKeysPage.cpp" line="-1"/>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/GnomeHotKeys.cpp" line="+25"/>
        <source>GNOME Settings, Keyboard, Custom Shortcuts</source>
        <translation>GNOME-Einstellungen, Tastatur, Eigene Tastenkürzel</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>a custom shortcut</source>
        <translation>ein eigenes Tastenkürzel</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the desktop&apos;s shortcut &quot;%1&quot;</source>
        <translation>das Tastenkürzel „%1“ des Desktops</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the desktop&apos;s custom shortcut settings are not installed</source>
        <translation>die Einstellungen für eigene Tastenkürzel des Desktops sind nicht installiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/platform/linux/KdeHotKeys.cpp" line="+110"/>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="+79"/>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="+141"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+173"/>
        <source>not a combination Tessaly can bind</source>
        <translation>keine Kombination, die Tessaly belegen kann</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>this row has no action the desktop can run</source>
        <translation>diese Zeile hat keine Aktion, die der Desktop ausführen kann</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="+8"/>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="+12"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+42"/>
        <source>taken by another Tessaly hot key</source>
        <translation>schon von einem anderen Tessaly-Tastenkürzel belegt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>taken by %1</source>
        <translation>belegt von %1</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/KdeHotKeys.cpp" line="-87"/>
        <source>System Settings, Shortcuts, Tessaly</source>
        <translation>Systemeinstellungen, Kurzbefehle, Tessaly</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>KDE&apos;s shortcut service does not answer (%1)</source>
        <translation>der Tastenkürzel-Dienst von KDE antwortet nicht (%1)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+26"/>
        <source>taken by another program</source>
        <translation>schon von einem anderen Programm belegt</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="-67"/>
        <source>the desktop&apos;s shortcut settings</source>
        <translation>die Tastenkürzel-Einstellungen des Desktops</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>Tessaly cannot listen to the desktop&apos;s portal</source>
        <translation>Tessaly kann das Portal des Desktops nicht empfangen</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+24"/>
        <location line="+17"/>
        <source>not allowed by the desktop</source>
        <translation>vom Desktop nicht erlaubt</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>the desktop offers no global shortcut portal (%1)</source>
        <translation>der Desktop bietet kein Portal für globale Tastenkürzel (%1)</translation>
    </message>
    <message>
        <location line="+46"/>
        <source> (now %1)</source>
        <translation> (jetzt %1)</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="-133"/>
        <source>sway&apos;s bindings, while Tessaly runs</source>
        <translation>den Tastenbelegungen von sway, solange Tessaly läuft</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+104"/>
        <source>sway cannot be reached (%1)</source>
        <translation>sway ist nicht erreichbar (%1)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this row has no action sway can run</source>
        <translation>diese Zeile hat keine Aktion, die sway ausführen kann</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SWAYSOCK is not set</source>
        <translation>SWAYSOCK ist nicht gesetzt</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>taken by another program: sway&apos;s configuration binds it</source>
        <translation>schon belegt: die Konfiguration von sway verwendet es</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>not allowed by sway: %1</source>
        <translation>von sway nicht erlaubt: %1</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="-66"/>
        <source>no X display to grab keys on</source>
        <translation>kein X-Display, auf dem Tasten belegt werden können</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the X server&apos;s key map cannot be read</source>
        <translation>die Tastenbelegung des X-Servers kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the keyboard has no such key</source>
        <translation>die Tastatur hat keine solche Taste</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not allowed by the desktop: the X server keeps it for switching consoles</source>
        <translation>vom Desktop nicht erlaubt: der X-Server braucht es zum Wechseln der Konsole</translation>
    </message>
</context>
<context>
    <name>HotKeysPage</name>
    <message>
        <location filename="../src/options_window/HotKeysPage.cpp" line="-79"/>
        <source>Hot Keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> modifiers</source>
        <translation>: Zusatztasten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> key</source>
        <translation>: Taste</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> status</source>
        <translation>: Status</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <location filename="../src/platform/IniSettingsStore.cpp" line="+147"/>
        <location line="+28"/>
        <source>the settings could not be written</source>
        <translation>die Einstellungen konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the settings could not be written in full (is the disk full?)</source>
        <translation>die Einstellungen konnten nicht vollständig geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>InternetPage</name>
    <message>
        <location filename="../src/options_window/InternetPage.cpp" line="+47"/>
        <source>Internet settings</source>
        <translation>Interneteinstellungen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Internet options</source>
        <translation>Internetoptionen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Catalogue server :</source>
        <translation>Katalogserver:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Proxy settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Use a proxy</source>
        <translation>Proxy verwenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Proxy</source>
        <comment>accessible name of the proxy address box</comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>host:port</source>
        <translation>Rechner:Port</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error handling</source>
        <translation>Fehlerbehandlung</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>Request timeout :</source>
        <translation>Zeitlimit für Anfragen:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds.</source>
        <translation>Sekunden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Don&apos;t prompt on error, just ignore it.</source>
        <translation>Bei Fehlern nicht nachfragen, sondern sie übergehen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show icon in the notification area when downloading.</source>
        <translation>Beim Herunterladen ein Symbol im Benachrichtigungsfeld anzeigen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable caching (Recommended)</source>
        <translation>Cache verwenden (empfohlen)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Files downloaded from the internet are stored for quick viewing later.</source>
        <translation>Aus dem Internet heruntergeladene Dateien werden gespeichert, damit sie später schnell angezeigt werden können.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <source>Clear cache</source>
        <translation>Cache leeren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The pictures of the ticked photo feeds join those of the ticked internet categories.</source>
        <translation>Die Bilder der angekreuzten Foto-Feeds kommen zu denen der angekreuzten Internet-Kategorien hinzu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Photo feeds</source>
        <translation>Foto-Feeds</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add</source>
        <comment>button: add a photo feed</comment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a photo feed.</source>
        <translation>Einen Foto-Feed hinzufügen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <comment>button: edit the selected photo feed</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the selected photo feed.</source>
        <translation>Den ausgewählten Foto-Feed bearbeiten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove</source>
        <comment>button: remove the selected photo feed</comment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the selected photo feed.</source>
        <translation>Den ausgewählten Foto-Feed entfernen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Photo feed status</source>
        <translation>Status der Foto-Feeds</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection</source>
        <comment>tab</comment>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caching</source>
        <comment>tab</comment>
        <translation>Cache</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Photo feeds</source>
        <comment>tab</comment>
        <translation>Foto-Feeds</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter the address of the photo feed (RSS or Atom) whose pictures you want to use.</source>
        <translation>Geben Sie die Adresse des Foto-Feeds (RSS oder Atom) ein, dessen Bilder Sie verwenden möchten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New Photo Feed</source>
        <translation>Neuer Foto-Feed</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Photo Feed</source>
        <translation>Foto-Feed bearbeiten</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Nothing was added. </source>
        <translation>Es wurde nichts hinzugefügt. </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was changed. </source>
        <translation>Es wurde nichts geändert. </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Downloading %1 ...</source>
        <translation>%1 wird heruntergeladen …</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The feed holds no pictures (no image enclosures or media contents).</source>
        <translation>Der Feed enthält keine Bilder (keine Bild-Anhänge oder Medieninhalte).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The feed could not be stored: %1</source>
        <translation>Der Feed konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Pictures in &quot;%1&quot;: %2.</source>
        <translation>Bilder in „%1“: %2.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The request timeout &quot;%1&quot; is not a whole number of seconds from 1 to %2; it stays %3 seconds.</source>
        <translation>Das Zeitlimit „%1“ ist keine ganze Zahl von Sekunden von 1 bis %2; es bleibt bei %3 Sekunden.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The photo feed list could not be saved: %1</source>
        <translation>Die Liste der Foto-Feeds konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>InternetStepping</name>
    <message>
        <location filename="../src/internet/InternetStepping.cpp" line="+53"/>
        <source>you can download only one wallpaper every %1 Minutes</source>
        <translation>Sie können nur alle %1 Minuten ein Hintergrundbild herunterladen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Photo feeds that could not be refreshed:
%1</source>
        <translation>Foto-Feeds, die nicht aktualisiert werden konnten:
%1</translation>
    </message>
    <message>
        <location line="+358"/>
        <source>The internet picture list could not be written: %1</source>
        <translation>Die Liste der Internet-Bilder konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <location filename="../src/compose/JpegDecoder.cpp" line="+136"/>
        <source>not enough memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>KeyCapture</name>
    <message>
        <location filename="../src/options_window/KeyCapture.cpp" line="+12"/>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Screen</source>
        <translation>Druck</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>ListPanes</name>
    <message>
        <location filename="../src/options_window/ListPanes.cpp" line="+20"/>
        <source>Internet categories</source>
        <translation>Internetkategorien</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+2"/>
        <source>Refresh internet categories</source>
        <translation>Internetkategorien aktualisieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>CatCode</source>
        <translation>CatCode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Wallpaper.</source>
        <translation>Vorheriges Hintergrundbild.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Wallpaper.</source>
        <translation>Nächstes Hintergrundbild.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Updating internet categories, please wait...</source>
        <translation>Internetkategorien werden aktualisiert, bitte warten …</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Updating, please wait...</source>
        <translation>Wird aktualisiert, bitte warten …</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Downloading previous wallpaper, please wait...</source>
        <translation>Vorheriges Hintergrundbild wird heruntergeladen, bitte warten …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloading next wallpaper, please wait...</source>
        <translation>Nächstes Hintergrundbild wird heruntergeladen, bitte warten …</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <location filename="../src/compose/Metafile.cpp" line="+747"/>
        <source>not a Windows metafile header</source>
        <translation>kein Dateikopf einer Windows-Metadatei</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+363"/>
        <source>the metafile has no size</source>
        <translation>die Metadatei hat keine Größe</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+406"/>
        <source>the metafile ends early</source>
        <translation>die Metadatei endet vorzeitig</translation>
    </message>
    <message>
        <location line="-401"/>
        <location line="+405"/>
        <source>a record does not fit in the metafile</source>
        <translation>ein Datensatz passt nicht in die Metadatei</translation>
    </message>
    <message>
        <location line="-194"/>
        <location line="+410"/>
        <location line="+93"/>
        <source>a region does not fit in its record</source>
        <translation>eine Region passt nicht in ihren Datensatz</translation>
    </message>
    <message>
        <location line="-457"/>
        <location line="+511"/>
        <source>record %1 is too short</source>
        <translation>Datensatz %1 ist zu kurz</translation>
    </message>
    <message>
        <location line="-491"/>
        <source>not an enhanced metafile header</source>
        <translation>kein Dateikopf einer erweiterten Metadatei</translation>
    </message>
    <message>
        <location line="+530"/>
        <source>nothing to draw on</source>
        <translation>keine Zeichenfläche vorhanden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>NewsBar</name>
    <message>
        <location filename="../src/widgets/NewsBar.cpp" line="+32"/>
        <location line="+1"/>
        <source>News bar</source>
        <translation>Nachrichtenleiste</translation>
    </message>
</context>
<context>
    <name>NewsBarPage</name>
    <message>
        <location filename="../src/options_window/NewsBarPage.cpp" line="+61"/>
        <source>News bar</source>
        <translation>Nachrichtenleiste</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News bar options</source>
        <translation>Optionen der Nachrichtenleiste</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Enable news bar</source>
        <translation>Nachrichtenleiste einschalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clickable</source>
        <translation>Anklickbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation>Immer im Vordergrund.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Move the news bar</source>
        <translation>Nachrichtenleiste verschieben</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+2"/>
        <source>Update every </source>
        <translation>Aktualisierung alle </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change the update interval</source>
        <translation>Aktualisierungsabstand ändern</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>(Fast)</source>
        <translation>(Schnell)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(Slow)</source>
        <translation>(Langsam)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News feeds</source>
        <translation>Nachrichtenfeeds</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>News feed addresses</source>
        <translation>Adressen der Nachrichtenfeeds</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add</source>
        <comment>button: add a news feed</comment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add an RSS Feed.</source>
        <translation>Einen RSS-Feed hinzufügen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <comment>button: edit the selected news feed</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit selected feed.</source>
        <translation>Ausgewählten Feed bearbeiten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <comment>button: remove the selected news feeds</comment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove selected Feeds.</source>
        <translation>Ausgewählte Feeds entfernen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update now!</source>
        <translation>Jetzt aktualisieren!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Info</source>
        <comment>feed information</comment>
        <translation>Info</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Click on an item to view its info</source>
        <translation>Klicken Sie auf einen Eintrag, um seine Informationen zu sehen</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+88"/>
        <source>last update :</source>
        <translation>Letzte Aktualisierung:</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>sample%1</source>
        <comment>news bar appearance: sample text of font/color %1</comment>
        <translation>Beispiel %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Edit font/color %1</source>
        <translation>Schrift/Farbe %1 bearbeiten</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Options</source>
        <comment>tab of the news bar page</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feeds</source>
        <comment>tab</comment>
        <translation>Feeds</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Appearance</source>
        <comment>tab</comment>
        <translation>Darstellung</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The update interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; it stays %3 minutes.</source>
        <translation>Der Aktualisierungsabstand „%1“ ist keine Minutenzahl über 0 und bis %2; er bleibt bei %3 Minuten.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The feed list could not be saved: %1</source>
        <translation>Die Feed-Liste konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>New Feed</source>
        <translation>Neuer Feed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the URL of the xml RSS feed you want to add<byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation>Geben Sie die Adresse des RSS-Feeds (XML) ein, den Sie hinzufügen möchten,<byte value="xd"/>
oder kopieren Sie sie aus Ihrem Browser und fügen Sie sie hier ein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Edit Feed</source>
        <translation>Feed bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the new URL of the xml RSS feed <byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation>Geben Sie die neue Adresse des RSS-Feeds (XML) ein<byte value="xd"/>
oder kopieren Sie sie aus Ihrem Browser und fügen Sie sie hier ein.</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+19"/>
        <source>Nothing was added. </source>
        <translation>Es wurde nichts hinzugefügt. </translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+17"/>
        <source>Nothing was changed. </source>
        <translation>Es wurde nichts geändert. </translation>
    </message>
    <message>
        <location filename="../src/options_window/FeedEditing.cpp" line="+19"/>
        <source>The address is longer than %1 characters, which the feed list cannot keep.</source>
        <translation>Die Adresse ist länger als %1 Zeichen; so lange Adressen kann die Feed-Liste nicht speichern.</translation>
    </message>
    <message>
        <location filename="../src/options_window/NewsBarPage.cpp" line="-11"/>
        <source>Downloading %1 ...</source>
        <translation>%1 wird heruntergeladen …</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The feed could not be stored: %1</source>
        <translation>Der Feed konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed to &quot;%1&quot;.</source>
        <translation>Geändert in „%1“.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Added &quot;%1&quot;.</source>
        <translation>„%1“ hinzugefügt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source><byte value="xd"/>
Updating...</source>
        <translation><byte value="xd"/>
Wird aktualisiert …</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Last update:<byte value="xd"/>
</source>
        <translation>Letzte Aktualisierung:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PhotoDecoders</name>
    <message>
        <location filename="../src/compose/PhotoDecoders.cpp" line="+96"/>
        <location line="+57"/>
        <location line="+30"/>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>no picture size</source>
        <translation>keine Bildgröße</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+94"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation>%1&#xa0;×&#xa0;%2 Pixel liegen über der Grenze</translation>
    </message>
    <message>
        <location line="-56"/>
        <location line="+106"/>
        <source>no picture data</source>
        <translation>keine Bilddaten</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>decoder set-up failed</source>
        <translation>Einrichten des Decoders fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>unreadable header</source>
        <translation>unlesbarer Dateikopf</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>cannot hold the picture</source>
        <translation>das Bild passt nicht in den Speicher</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the file ends too early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>damaged data</source>
        <translation>beschädigte Daten</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <location filename="../src/compose/PictureFormats.cpp" line="+50"/>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Bilder (%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>PictureListFile</name>
    <message>
        <location filename="../src/settings/PictureListFile.cpp" line="+53"/>
        <source>%1 holds a line break, which the list cannot keep</source>
        <translation>%1 enthält einen Zeilenumbruch, den die Liste nicht speichern kann</translation>
    </message>
</context>
<context>
    <name>PictureListPanes</name>
    <message>
        <location filename="../src/options_window/PictureListPanes.cpp" line="+49"/>
        <source>These files were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Diese Dateien wurden nicht hinzugefügt: ihre Namen enthalten einen Zeilenumbruch, den die Bilderliste nicht speichern kann.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These folders were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Diese Ordner wurden nicht hinzugefügt: ihre Namen enthalten einen Zeilenumbruch, den die Bilderliste nicht speichern kann.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These files and folders were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Diese Dateien und Ordner wurden nicht hinzugefügt: ihre Namen enthalten einen Zeilenumbruch, den die Bilderliste nicht speichern kann.</translation>
    </message>
    <message>
        <location line="+105"/>
        <location line="+2"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview picture</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+4"/>
        <source>Files list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drag files or folders from windows explorer to add files.</source>
        <translation>Ziehen Sie Dateien oder Ordner aus der Dateiverwaltung hierher, um sie hinzuzufügen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+338"/>
        <source>Browse for pictures</source>
        <translation>Bilder auswählen</translation>
    </message>
    <message>
        <location line="-335"/>
        <location line="+339"/>
        <source>Remove selected</source>
        <translation>Ausgewählte entfernen</translation>
    </message>
    <message>
        <location line="-336"/>
        <location line="+338"/>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location line="-335"/>
        <source>Move selected up.</source>
        <translation>Ausgewählte nach oben verschieben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move selected down.</source>
        <translation>Ausgewählte nach unten verschieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shuffle.</source>
        <translation>Mischen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort.</source>
        <translation>Sortieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set selected picture as wallpaper</source>
        <translation>Ausgewähltes Bild als Hintergrundbild verwenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear desktop wallpaper.</source>
        <translation>Hintergrundbild des Desktops entfernen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dele&amp;te</source>
        <translation>En&amp;tfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+318"/>
        <source>&amp;Clear list</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <location line="-315"/>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shu&amp;ffle</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove &amp;missing file(s)</source>
        <translation>&amp;Fehlende Dateien entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;hysically remove selected file(s)</source>
        <translation>Ausgewählte Dateien en&amp;dgültig löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open folde&amp;r</source>
        <translation>O&amp;rdner öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File &amp;Properties</source>
        <translation>Datei&amp;eigenschaften</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open Pictures</source>
        <translation>Bilder öffnen</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Are you sure you want to delete %1 file(s) from your hard disk?
please note that files will not be move to the recycle bin and will be deleted permanently.</source>
        <translation>Möchten Sie wirklich %1 Datei(en) von der Festplatte löschen?
Bitte beachten Sie: Die Dateien werden nicht in den Papierkorb verschoben, sondern endgültig gelöscht.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>These files could not be deleted and stay in the list:
</source>
        <translation>Diese Dateien konnten nicht gelöscht werden und bleiben in der Liste:
</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The picture could not be made the wallpaper.</source>
        <translation>Das Bild konnte nicht als Hintergrundbild eingerichtet werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Folders list</source>
        <translation>Ordnerliste</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&amp;Add folder</source>
        <translation>Ordner &amp;hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove selected folder(s)</source>
        <translation>Ausgewählte Ordner en&amp;tfernen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open folder</source>
        <translation>Ordner &amp;öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> Files found and ready to be used</source>
        <translation> Dateien gefunden und bereit zur Verwendung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Pictures found and ready to be used!</source>
        <translation> Bilder gefunden und bereit zur Verwendung!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please select a folder</source>
        <translation>Bitte wählen Sie einen Ordner aus</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>The picture list could not be saved to %1: %2</source>
        <translation>Die Bilderliste konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/shell/Program.cpp" line="+135"/>
        <source>Tessaly could not read its settings file and uses the default settings. The damaged file was kept as %1.</source>
        <translation>Tessaly konnte seine Einstellungsdatei nicht lesen und verwendet die Standardeinstellungen. Die beschädigte Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Some settings held values Tessaly cannot use and were reset: %1.</source>
        <translation>Einige Einstellungen enthielten Werte, die Tessaly nicht verwenden kann, und wurden zurückgesetzt: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tessaly could not set up its start at log-on: %1.</source>
        <translation>Tessaly konnte den Start beim Anmelden nicht einrichten: %1.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Tessaly could not write its picture list %1.</source>
        <translation>Tessaly konnte seine Bilderliste %1 nicht schreiben.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tessaly could not save its settings: %1. The previous settings are kept.</source>
        <translation>Tessaly konnte seine Einstellungen nicht speichern: %1. Die bisherigen Einstellungen bleiben erhalten.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>tessaly: unknown option &apos;%1&apos;</source>
        <translation>tessaly: unbekannte Option „%1“</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/settings/Settings.cpp" line="+11"/>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Gekachelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stretch</source>
        <translation>Gestreckt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Reduce)</source>
        <translation>Einpassen (verkleinern)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Enlarge)</source>
        <translation>Einpassen (vergrößern)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit (Reduce/Enlarge)</source>
        <translation>Einpassen (verkleinern/vergrößern)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Different</source>
        <translation>Verschieden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span</source>
        <translation>Übergreifend</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Primary</source>
        <translation>Hauptmonitor</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <location filename="../src/options_window/SettingsWindow.cpp" line="+45"/>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News Bar</source>
        <translation>Nachrichtenleiste</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <location line="+298"/>
        <source>Tessaly settings</source>
        <translation>Tessaly-Einstellungen</translation>
    </message>
    <message>
        <location line="-288"/>
        <location line="+2"/>
        <source>Options :</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Click to switch between the time left and the clock time</source>
        <translation>Klicken, um zwischen verbleibender Zeit und Uhrzeit umzuschalten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Switch wallpaper when I click apply.</source>
        <translation>Hintergrundbild beim Übernehmen wechseln.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close this window after applying changes.</source>
        <translation>Dieses Fenster nach dem Übernehmen schließen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Help on this page</source>
        <translation>Hilfe zu dieser Seite</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Tessaly</source>
        <translation>Über Tessaly</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shut down Tessaly.</source>
        <translation>Tessaly beenden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Apply and close window</source>
        <translation>Übernehmen und Fenster schließen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>discard and close window</source>
        <translation>Verwerfen und Fenster schließen</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>Targa</name>
    <message>
        <location filename="../src/compose/Targa.cpp" line="+73"/>
        <source>not a TGA picture</source>
        <translation>kein TGA-Bild</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation>%1&#xa0;×&#xa0;%2 Pixel liegen über der Grenze</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+37"/>
        <location line="+8"/>
        <location line="+5"/>
        <location line="+8"/>
        <source>the file is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/shell/TrayIcon.cpp" line="+74"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch &amp;Wallpaper Now</source>
        <translation>Hintergrundbild jetzt &amp;wechseln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Previous wallpaper</source>
        <translation>&amp;Vorheriges Hintergrundbild</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wallpaper</source>
        <comment>menu</comment>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next wallpaper</source>
        <translation>Nächstes Hintergrundbild</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear wallpaper</source>
        <translation>Hintergrundbild entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current wallpaper</source>
        <translation>Aktuelles Hintergrundbild</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filename</source>
        <comment>menu: show the current wallpaper&apos;s file name</comment>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clock</source>
        <comment>menu</comment>
        <translation>Uhr</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the clock</source>
        <translation>Uhr anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+9"/>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Calendar</source>
        <comment>menu</comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the calendar</source>
        <translation>Kalender anzeigen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>WallpaperChange</name>
    <message>
        <location filename="../src/collection/WallpaperChange.cpp" line="+97"/>
        <source>Internet file</source>
        <translation>Internetdatei</translation>
    </message>
</context>
<context>
    <name>WallpaperJobs</name>
    <message>
        <location filename="../src/collection/WallpaperJobs.cpp" line="+218"/>
        <source>There is no earlier wallpaper.</source>
        <translation>Es gibt kein früheres Hintergrundbild.</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>Looking for pictures in %1</source>
        <translation>Bilder werden in %1 gesucht</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 file names could not be read (not valid text, or holding a line break) and were left out of the pictures.</source>
        <translation>%1 Dateinamen konnten nicht gelesen werden (kein gültiger Text oder mit Zeilenumbruch) und wurden bei den Bildern ausgelassen.</translation>
    </message>
</context>
<context>
    <name>WallpaperPage</name>
    <message>
        <location filename="../src/options_window/WallpaperPage.cpp" line="+37"/>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Switch wallpaper every</source>
        <translation>Wechsel des Hintergrundbilds alle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minutes between changes</source>
        <translation>Minuten zwischen den Wechseln</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the interval by one minute</source>
        <translation>Abstand um eine Minute ändern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Switch wallpaper on startup</source>
        <translation>Hintergrundbild beim Start wechseln</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wallpaper selecting technique</source>
        <translation>Auswahl der Hintergrundbilder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Random </source>
        <translation>Zufällig </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Start Tessaly on windows start-up</source>
        <translation>Tessaly beim Anmelden starten</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Wallpaper position </source>
        <translation>Position des Hintergrundbilds </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Wallpaper source</source>
        <translation>Quelle der Hintergrundbilder</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Local Files list</source>
        <translation>Lokale Dateiliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Local Folders list</source>
        <translation>Lokale Ordnerliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <comment>wallpaper source</comment>
        <translation>Internet</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+10"/>
        <source>Several monitors</source>
        <translation>Mehrere Monitore</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Same: the picture on every monitor. Different: each monitor the next picture. Span: one picture across all monitors. Primary: the main monitor&apos;s picture alone.</source>
        <translation>Gleich: dasselbe Bild auf jedem Monitor. Verschieden: auf jedem Monitor das nächste Bild. Übergreifend: ein Bild über alle Monitore hinweg. Hauptmonitor: nur das Bild des Hauptmonitors.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+4"/>
        <source>Show file name near tray icon for seconds</source>
        <translation>Dateinamen kurz am Symbol im Benachrichtigungsfeld anzeigen</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; the interval stays %3 minutes.</source>
        <translation>Der Abstand „%1“ ist keine Minutenzahl über 0 und bis %2; der Abstand bleibt bei %3 Minuten.</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <location filename="../src/compose/Watermark.cpp" line="+127"/>
        <source>Internet file</source>
        <translation>Internetdatei</translation>
    </message>
</context>
<context>
    <name>WatermarkPage</name>
    <message>
        <location filename="../src/options_window/WatermarkPage.cpp" line="+19"/>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Show watermark</source>
        <translation>Wasserzeichen anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Watermark text:</source>
        <translation>Text des Wasserzeichens:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <source>Position :</source>
        <translation>Position:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre</source>
        <comment>watermark position</comment>
        <translation>Mitte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+2"/>
        <source>Edit font/color</source>
        <translation>Schrift/Farbe bearbeiten</translation>
    </message>
</context>
<context>
    <name>WidgetPages</name>
    <message>
        <location filename="../src/options_window/WidgetPages.cpp" line="+58"/>
        <source>this feature works only in windows XP/2000</source>
        <translation>Diese Funktion gibt es nur unter Windows XP/2000</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Clock numbers</source>
        <translation>Ziffern der Uhr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hour hand</source>
        <translation>Stundenzeiger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minute hand</source>
        <translation>Minutenzeiger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second hand</source>
        <translation>Sekundenzeiger</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose the font and colour of the numbers</source>
        <translation>Schriftart und Farbe der Ziffern wählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the colour of the hour hand</source>
        <translation>Farbe des Stundenzeigers wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the colour of the minute hand</source>
        <translation>Farbe des Minutenzeigers wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the colour of the second hand</source>
        <translation>Farbe des Sekundenzeigers wählen</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Clock Settings</source>
        <translation>Einstellungen der Uhr</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the clock</source>
        <translation>Uhr anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+129"/>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation>Immer im Vordergrund.</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Move the clock</source>
        <translation>Uhr verschieben</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clock preview</source>
        <translation>Vorschau der Uhr</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hours</source>
        <comment>clock preview: hour digits</comment>
        <translation>Stunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <comment>clock preview: minute digits</comment>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <comment>clock preview: second digits</comment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <location line="+136"/>
        <location line="+3"/>
        <source>Click on an element to modify</source>
        <translation>Klicken Sie auf ein Element, um es zu ändern</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Calender settings</source>
        <translation>Einstellungen des Kalenders</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the calendar</source>
        <translation>Kalender anzeigen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move the calendar</source>
        <translation>Kalender verschieben</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>July 2006</source>
        <comment>calendar preview: a month and year</comment>
        <translation>Juli 2006</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sun  Mon  Tue  Wed  Thu  Fri  Sat</source>
        <comment>calendar preview: the week&apos;s day names, in the calendar&apos;s column widths</comment>
        <translation>So   Mo   Di   Mi   Do   Fr   Sa</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Today</source>
        <comment>calendar preview: today&apos;s date</comment>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <location filename="../src/platform/linux/XdgAutostart.cpp" line="+63"/>
        <source>cannot remove %1</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
</TS>
