<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FileDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FlashArtwork</name>
    <message>
        <source>Split and merge PDF files</source>
        <translation>PDFs teilen und zusammenfügen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Need password</source>
        <translation>Passwort erforderlich</translation>
    </message>
    <message>
        <source>Please input the password for </source>
        <translation>Bitte geben Sie das Passwort ein für </translation>
    </message>
    <message>
        <source>Please select the source file</source>
        <translation>Bitte wählen Sie die Quelldatei aus</translation>
    </message>
    <message>
        <source>Can not open file: </source>
        <translation>Die Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>It is not a PDF file, or it is damaged.</source>
        <translation>Sie ist keine PDF-Datei oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>Please input a valid number</source>
        <translation>Bitte geben Sie eine gültige Zahl ein</translation>
    </message>
    <message>
        <source>Please input the page number</source>
        <translation>Bitte geben Sie die Seitenzahlen ein</translation>
    </message>
    <message>
        <source>Can not overwrite the PDF file. Please input a new file name</source>
        <translation>Die PDF-Datei kann nicht überschrieben werden. Bitte geben Sie einen neuen Dateinamen ein</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Splitting page: </source>
        <translation>Seiten werden geteilt: </translation>
    </message>
    <message>
        <source>, please wait...</source>
        <translation>, bitte warten...</translation>
    </message>
    <message>
        <source>PDF file has been successfully splitted.</source>
        <translation>Die PDF-Datei wurde erfolgreich geteilt.</translation>
    </message>
    <message>
        <source>The protected file was split without its password.</source>
        <translation>Die geschützte Datei wurde ohne ihr Passwort geteilt.</translation>
    </message>
    <message>
        <source>Split failed<byte value="xd"/>
Error code: </source>
        <translation>Teilen fehlgeschlagen<byte value="xd"/>
Fehlercode: </translation>
    </message>
    <message>
        <source>This PDF has no bookmarks at level </source>
        <translation>Diese PDF-Datei hat keine Lesezeichen auf Ebene </translation>
    </message>
    <message>
        <source>1 file was not added: </source>
        <translation>1 Datei wurde nicht hinzugefügt: </translation>
    </message>
    <message>
        <source>%1 files were not added: </source>
        <translation>%1 Dateien wurden nicht hinzugefügt: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Please add more PDF files</source>
        <translation>Bitte fügen Sie weitere PDF-Dateien hinzu</translation>
    </message>
    <message>
        <source>PDF file has been successfully merged.</source>
        <translation>Die PDF-Datei wurde erfolgreich zusammengefügt.</translation>
    </message>
    <message>
        <source>The protected files were merged without their passwords.</source>
        <translation>Die geschützten Dateien wurden ohne ihre Passwörter zusammengefügt.</translation>
    </message>
    <message>
        <source>Can not write the PDF file: </source>
        <translation>Die PDF-Datei kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>Please make sure the disk has space and the folder can be written to.</source>
        <translation>Bitte stellen Sie sicher, dass auf dem Datenträger Platz frei ist und der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Can not merge file: </source>
        <translation>Die Datei kann nicht zusammengefügt werden: </translation>
    </message>
    <message>
        <source>Please make sure it is NOT encrypted or damaged.</source>
        <translation>Bitte stellen Sie sicher, dass sie NICHT verschlüsselt oder beschädigt ist.</translation>
    </message>
    <message>
        <source>Please make sure they are NOT encrypted or damaged.</source>
        <translation>Bitte stellen Sie sicher, dass sie NICHT verschlüsselt oder beschädigt sind.</translation>
    </message>
    <message>
        <source>The file was not found or can not be read.</source>
        <translation>Die Datei wurde nicht gefunden oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>It is not a PDF file.</source>
        <translation>Sie ist keine PDF-Datei.</translation>
    </message>
    <message>
        <source>It is a damaged PDF file.</source>
        <translation>Sie ist eine beschädigte PDF-Datei.</translation>
    </message>
    <message>
        <source>It uses an encryption or a feature that Paginor does not handle.</source>
        <translation>Sie verwendet eine Verschlüsselung oder eine Funktion, die Paginor nicht unterstützt.</translation>
    </message>
    <message>
        <source>Please remove it from the list.</source>
        <translation>Bitte entfernen Sie sie aus der Liste.</translation>
    </message>
    <message>
        <source>This page list is not valid: </source>
        <translation>Diese Seitenliste ist ungültig: </translation>
    </message>
    <message>
        <source>This page list names no page of the file: </source>
        <translation>Diese Seitenliste nennt keine Seite der Datei: </translation>
    </message>
    <message>
        <source>The PDF engine could not be started, so splitting and merging are not available.
The other parts of the window still work.</source>
        <translation>Die PDF-Engine konnte nicht gestartet werden, daher sind Teilen und Zusammenfügen nicht verfügbar.
Die übrigen Teile des Fensters funktionieren weiterhin.</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>Möchten Sie unsere Website besuchen, um nachzusehen, ob eine neue Version erschienen ist?</translation>
    </message>
    <message>
        <source>Protected: the page count shows once the password is given</source>
        <translation>Geschützt: Die Seitenzahl erscheint, sobald das Passwort eingegeben ist</translation>
    </message>
    <message>
        <source>Not a PDF file, or damaged</source>
        <translation>Keine PDF-Datei oder beschädigt</translation>
    </message>
    <message>
        <source>Writes no file.</source>
        <translation>Schreibt keine Datei.</translation>
    </message>
    <message>
        <source>Past the end, so left out: </source>
        <translation>Hinter dem Ende, daher ausgelassen: </translation>
    </message>
    <message>
        <source>The range starts past the end, so it selects nothing.</source>
        <translation>Der Bereich beginnt hinter dem Ende und wählt daher nichts aus.</translation>
    </message>
    <message>
        <source>The bookmarks can not be read</source>
        <translation>Die Lesezeichen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>These pages are larger than the limit on their own, each was written to a file by itself: </source>
        <translation>Diese Seiten sind schon allein größer als die Grenze, jede wurde in eine eigene Datei geschrieben: </translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>SplitSummary</name>
    <message>
        <source> (holds %1)</source>
        <translation> (enthält %1)</translation>
    </message>
    <message>
        <source>%L1 page</source>
        <translation>%L1 Seite</translation>
    </message>
    <message>
        <source>%L1 pages</source>
        <translation>%L1 Seiten</translation>
    </message>
    <message>
        <source>Pages %1 are past the end.</source>
        <translation>Die Seiten %1 liegen hinter dem Ende.</translation>
    </message>
    <message>
        <source>Page %1 is past the end.</source>
        <translation>Seite %1 liegt hinter dem Ende.</translation>
    </message>
    <message>
        <source>Writes 1 file: </source>
        <translation>Schreibt 1 Datei: </translation>
    </message>
    <message>
        <source>Writes %L1 files: </source>
        <translation>Schreibt %L1 Dateien: </translation>
    </message>
    <message>
        <source>Writes 1 file with %1</source>
        <translation>Schreibt 1 Datei mit %1</translation>
    </message>
    <message>
        <source>Writes files of at most %1 MB, about %L2 or more.</source>
        <translation>Schreibt Dateien von höchstens %1 MB, etwa %L2 oder mehr.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>unknown option: %1%2</source>
        <translation>unbekannte Option: %1%2</translation>
    </message>
    <message>
        <source>--%1 takes keep or drop, not %2</source>
        <translation>--%1 nimmt keep oder drop, nicht %2</translation>
    </message>
    <message>
        <source>--pages takes N=LIST, once per input N, not %1</source>
        <translation>--pages nimmt N=LIST, einmal je Eingabe N, nicht %1</translation>
    </message>
    <message>
        <source>--range needs FROM and TO: the TO page is missing</source>
        <translation>--range braucht FROM und TO: die Seite TO fehlt</translation>
    </message>
    <message>
        <source>--password takes one value, once</source>
        <translation>--password nimmt einen Wert, und das nur einmal</translation>
    </message>
    <message>
        <source>--bookmarks LEVEL is now --at-bookmarks LEVEL</source>
        <translation>--bookmarks LEVEL heißt jetzt --at-bookmarks LEVEL</translation>
    </message>
    <message>
        <source>split takes only --bookmarks none, not %1</source>
        <translation>split nimmt nur --bookmarks none, nicht %1</translation>
    </message>
    <message>
        <source>--at-bookmarks takes a level (1 = the top), not %1</source>
        <translation>--at-bookmarks nimmt eine Ebene (1 = die oberste), nicht %1</translation>
    </message>
    <message>
        <source>split needs SOURCE and OUTPUT</source>
        <translation>split braucht SOURCE und OUTPUT</translation>
    </message>
    <message>
        <source>outline needs SOURCE</source>
        <translation>outline braucht SOURCE</translation>
    </message>
    <message>
        <source>--bookmarks takes per-file, keep or none, not %1</source>
        <translation>--bookmarks nimmt per-file, keep oder none, nicht %1</translation>
    </message>
    <message>
        <source>merge needs OUTPUT and the INPUT files</source>
        <translation>merge braucht OUTPUT und die INPUT-Dateien</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Need password: an empty password was given</source>
        <translation>Passwort erforderlich: Es wurde ein leeres Passwort angegeben</translation>
    </message>
    <message>
        <source>Can not read the bookmarks<byte value="xd"/>
Error code: %1</source>
        <translation>Die Lesezeichen können nicht gelesen werden<byte value="xd"/>
Fehlercode: %1</translation>
    </message>
    <message>
        <source>Joining file %1 of %2: %3</source>
        <translation>Datei %1 von %2 wird angefügt: %3</translation>
    </message>
    <message>
        <source>Writing %1: %2%</source>
        <translation>Schreibe %1: %2 %</translation>
    </message>
    <message>
        <source>Try &apos;paginor-cli --help&apos;.</source>
        <translation>Siehe &apos;paginor-cli --help&apos;.</translation>
    </message>
    <message>
        <source>the password given does not open the file.</source>
        <translation>das angegebene Passwort öffnet die Datei nicht.</translation>
    </message>
    <message>
        <source> (use --password or PAGINOR_PASSWORD)</source>
        <translation> (verwenden Sie --password oder PAGINOR_PASSWORD)</translation>
    </message>
    <message>
        <source>--progress and --no-progress cannot be given together</source>
        <translation>--progress und --no-progress können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>--rotate takes one value, once</source>
        <translation>--rotate nimmt einen Wert, und das nur einmal</translation>
    </message>
    <message>
        <source>give exactly one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>geben Sie genau eine der Optionen --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size an</translation>
    </message>
    <message>
        <source>split needs one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>split braucht eine der Optionen --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>--size takes a size above 0 such as 10M, 500K or 1.5G, not %1</source>
        <translation>--size nimmt eine Größe über 0 wie 10M, 500K oder 1.5G, nicht %1</translation>
    </message>
    <message>
        <source>%1 names input %2, but there are %3</source>
        <translation>%1 nennt die Eingabe %2, es gibt aber nur %3</translation>
    </message>
    <message>
        <source>--rotate takes N=ANGLE, once per input N, with ANGLE a multiple of 90, not %1</source>
        <translation>--rotate nimmt N=ANGLE, einmal je Eingabe N, mit ANGLE als Vielfachem von 90, nicht %1</translation>
    </message>
    <message>
        <source>--reverse takes an input number, once each, not %1</source>
        <translation>--reverse nimmt eine Eingabenummer, jede nur einmal, nicht %1</translation>
    </message>
    <message>
        <source>--rotate takes 90, 180 or 270, for some pages with their list (90:1-3,7), not %1</source>
        <translation>--rotate nimmt 90, 180 oder 270, für einzelne Seiten mit ihrer Liste (90:1-3,7), nicht %1</translation>
    </message>
    <message>
        <source>--rotate: this page list is not valid: %1</source>
        <translation>--rotate: Diese Seitenliste ist ungültig: %1</translation>
    </message>
</context>
<context>
    <name>paginor::CommandBars</name>
    <message>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>De&amp;sign</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>&amp;Light Blue</source>
        <translation>&amp;Hellblau</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>&amp;Aqua</source>
        <translation>&amp;Aqua</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation>&amp;Silber</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Bla&amp;ck</source>
        <translation>Sch&amp;warz</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>&amp;No Skin</source>
        <translation>&amp;Kein Design</translation>
    </message>
    <message>
        <source>No Skin</source>
        <translation>Kein Design</translation>
    </message>
    <message>
        <source>Paginor &amp;Help</source>
        <translation>Paginor-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Paginor Help</source>
        <translation>Paginor-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Paginor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Paginor</translation>
    </message>
    <message>
        <source>More PDF Freeware...</source>
        <translation>Weitere PDF-Freeware...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
</context>
<context>
    <name>paginor::FormFlash</name>
    <message>
        <source>Licensed under the Apache License 2.0</source>
        <translation>Lizenziert unter der Apache License 2.0</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>paginor::FormMain</name>
    <message>
        <source>Cleavo</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Merger</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>The PDF engine is not available.</source>
        <translation>Die PDF-Engine ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>paginor::HelpWindow</name>
    <message>
        <source>Paginor Help</source>
        <translation>Paginor-Hilfe</translation>
    </message>
</context>
<context>
    <name>paginor::MergeList</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>paginor::MergeListView</name>
    <message>
        <source>Drop PDF files or folders here, or press Add.</source>
        <translation>PDF-Dateien oder Ordner hier ablegen oder „Hinzufügen“ drücken.</translation>
    </message>
</context>
<context>
    <name>paginor::MergeOptionsWindow</name>
    <message>
        <source>Merge options</source>
        <translation>Optionen zum Zusammenfügen</translation>
    </message>
    <message>
        <source>&amp;Interleave pages</source>
        <translation>Seiten &amp;verschachteln</translation>
    </message>
    <message>
        <source>One page of each file in turn; reverse a file from its row&apos;s menu, for backs scanned last to first</source>
        <translation>Abwechselnd eine Seite aus jeder Datei; kehren Sie eine Datei über das Menü ihrer Zeile um, für Rückseiten, die von der letzten zur ersten gescannt wurden</translation>
    </message>
    <message>
        <source>A &amp;blank page after each file with an odd page count</source>
        <translation>Eine &amp;leere Seite nach jeder Datei mit ungerader Seitenzahl</translation>
    </message>
    <message>
        <source>So that every file starts on a front side when printed on both sides</source>
        <translation>Damit jede Datei beim beidseitigen Drucken auf einer Vorderseite beginnt</translation>
    </message>
    <message>
        <source>Add a &amp;contents page</source>
        <translation>&amp;Inhaltsseite hinzufügen</translation>
    </message>
    <message>
        <source>A first page listing each file with the page where it starts, each line a link</source>
        <translation>Eine erste Seite, die jede Datei mit der Seite nennt, auf der sie beginnt, jede Zeile eine Verknüpfung</translation>
    </message>
    <message>
        <source>Turn or reverse a file&apos;s pages from its row&apos;s menu (right-click the row).</source>
        <translation>Die Seiten einer Datei drehen oder umkehren Sie über das Menü ihrer Zeile (Rechtsklick auf die Zeile).</translation>
    </message>
</context>
<context>
    <name>paginor::MergePanel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenfügen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>O&amp;ptionen...</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowMenu</name>
    <message>
        <source>reversed</source>
        <translation>umgekehrt</translation>
    </message>
    <message>
        <source>turned %1°</source>
        <translation>um %1° gedreht</translation>
    </message>
    <message>
        <source>&amp;Reverse pages</source>
        <translation>Seiten &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;Upright</source>
        <translation>&amp;Aufrecht</translation>
    </message>
    <message>
        <source>Turn &amp;%1°</source>
        <translation>Um &amp;%1° drehen</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowPages</name>
    <message numerus="yes">
        <source>%Ln pages; double-click to see them</source>
        <translation>
            <numerusform>%Ln Seite; Doppelklick zeigt sie</numerusform>
            <numerusform>%Ln Seiten; Doppelklick zeigt sie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>paginor::PageGrid</name>
    <message>
        <source>cannot show this page</source>
        <translation>Seite kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>paginor::PagesColumnDelegate</name>
    <message>
        <source>all pages</source>
        <translation>alle Seiten</translation>
    </message>
    <message>
        <source>all %L1 pages</source>
        <translation>alle %L1 Seiten</translation>
    </message>
</context>
<context>
    <name>paginor::PagesWindow</name>
    <message>
        <source>Pages - </source>
        <translation>Seiten - </translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>Größe der Vorschaubilder</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Use as custom pages</source>
        <translation>Als eigene Seitenliste übernehmen</translation>
    </message>
    <message>
        <source>Use as split points</source>
        <translation>Als Teilungspunkte übernehmen</translation>
    </message>
    <message>
        <source>Use for this row</source>
        <translation>Für diese Zeile übernehmen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>This file needs its password.</source>
        <translation>Diese Datei braucht ihr Passwort.</translation>
    </message>
    <message>
        <source>Can not show this file: it is not a PDF file, or it is damaged.</source>
        <translation>Diese Datei kann nicht angezeigt werden: Sie ist keine PDF-Datei oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>%L1 pages, %L2 chosen</source>
        <translation>%L1 Seiten, %L2 ausgewählt</translation>
    </message>
    <message>
        <source>, %L1 cuts</source>
        <translation>, %L1 Schnitte</translation>
    </message>
</context>
<context>
    <name>paginor::SplitPanel</name>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Teilungsoptionen</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Je</translation>
    </message>
    <message>
        <source>Save page range: from</source>
        <translation>Seitenbereich speichern: von</translation>
    </message>
    <message>
        <source>Save odd pages</source>
        <translation>Ungerade Seiten speichern</translation>
    </message>
    <message>
        <source>Save even pages</source>
        <translation>Gerade Seiten speichern</translation>
    </message>
    <message>
        <source>Save custom pages:</source>
        <translation>Eigene Seitenliste speichern:</translation>
    </message>
    <message>
        <source>Split at bookmarks of level</source>
        <translation>An Lesezeichen teilen, Ebene</translation>
    </message>
    <message>
        <source>Split after pages</source>
        <translation>Teilen nach den Seiten</translation>
    </message>
    <message>
        <source>pages per file</source>
        <translation>Seiten pro Datei</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Pa&amp;ges...</source>
        <translation>Sei&amp;ten...</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Teilen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Split into files of at most</source>
        <translation>Teilen in Dateien von höchstens</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
</context>
</TS>
