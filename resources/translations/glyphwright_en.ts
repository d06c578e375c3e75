<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>CommandGuard</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Das aktuelle Zeichen wurde noch nicht gesichert.<byte value="xd"/>Soll die Sicherung jetzt durchgeführt werden?</source>
        <translation>The current glyph has not been stored yet.<byte value="xd"/>Store it now?</translation>
    </message>
    <message>
        <source>Das aktuelle Zeichen wurde für den <byte value="xd"/>Zeichencode %1h designt. Soll es<byte value="xd"/>tatsächlich %2h zugeordnet werden?</source>
        <translation>The current glyph was designed for<byte value="xd"/>code %1h. Do you really want to<byte value="xd"/>assign it to %2h?</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Deutsch</source>
        <comment>The language of the error texts of the font files and exports: &quot;Deutsch&quot; or &quot;English&quot;, nothing else.</comment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>ExportTable</name>
    <message>
        <source>Dot-Matrix-Demo (PNG)</source>
        <translation>Dot Matrix Demo (PNG)</translation>
    </message>
    <message>
        <source>Dot-Matrix-Demo (BMP)</source>
        <translation>Dot Matrix Demo (BMP)</translation>
    </message>
    <message>
        <source>DB - Include (intel)</source>
        <translation>DB - Include (Intel)</translation>
    </message>
    <message>
        <source>DC.B - Include (Motorola)</source>
        <translation>DC.B - Include (Motorola)</translation>
    </message>
    <message>
        <source>DB - Include (MSB top)</source>
        <translation>DB - Include (MSB top)</translation>
    </message>
    <message>
        <source>DB - Include (LSB top)</source>
        <translation>DB - Include (LSB top)</translation>
    </message>
    <message>
        <source>DC.B - Include (MSB top)</source>
        <translation>DC.B - Include (MSB top)</translation>
    </message>
    <message>
        <source>DC.B - Include (LSB top)</source>
        <translation>DC.B - Include (LSB top)</translation>
    </message>
    <message>
        <source>DB - Include (MSB top mirrored byte order)</source>
        <translation>DB - Include (MSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>DB - Include (LSB top mirrored byte order)</source>
        <translation>DB - Include (LSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>DC.B - Include (MSB top mirrored byte order)</source>
        <translation>DC.B - Include (MSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>DC.B - Include (LSB top mirrored byte order)</source>
        <translation>DC.B - Include (LSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>gnu-as - Include</source>
        <translation>gnu-as - Include</translation>
    </message>
    <message>
        <source>gnu-as - Include (MSB top)</source>
        <translation>gnu-as - Include (MSB top)</translation>
    </message>
    <message>
        <source>gnu-as - Include (LSB top)</source>
        <translation>gnu-as - Include (LSB top)</translation>
    </message>
    <message>
        <source>gnu-as - Include (MSB top mirrored byte order)</source>
        <translation>gnu-as - Include (MSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>gnu-as - Include (LSB top mirrored byte order)</source>
        <translation>gnu-as - Include (LSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>GFX Arduino Font - Include (max.127 Zeichen)</source>
        <translation>GFX Arduino Font - Include (max. 127 glyphs)</translation>
    </message>
    <message>
        <source>GFX Arduino Font - Include (max.255 Zeichen)</source>
        <translation>GFX Arduino Font - Include (max. 255 glyphs)</translation>
    </message>
    <message>
        <source>TFT_eSPI Font (uncompressed)</source>
        <translation>TFT_eSPI Font (uncompressed)</translation>
    </message>
    <message>
        <source>TFT_eSPI Font (RLE)</source>
        <translation>TFT_eSPI Font (RLE)</translation>
    </message>
    <message>
        <source>BDF - Bitmap Distribution Format (*.bdf)</source>
        <translation>BDF - Bitmap Distribution Format (*.bdf)</translation>
    </message>
    <message>
        <source>u8g2 Font (*.h)</source>
        <translation>u8g2 Font (*.h)</translation>
    </message>
    <message>
        <source>LVGL Font (*.c)</source>
        <translation>LVGL Font (*.c)</translation>
    </message>
    <message>
        <source>C - Array</source>
        <translation>C - Array</translation>
    </message>
    <message>
        <source>C - Array (MSB top)</source>
        <translation>C - Array (MSB top)</translation>
    </message>
    <message>
        <source>C - Array (LSB top)</source>
        <translation>C - Array (LSB top)</translation>
    </message>
    <message>
        <source>C - Array (MSB top mirrored byte order)</source>
        <translation>C - Array (MSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>C - Array (LSB top mirrored byte order)</source>
        <translation>C - Array (LSB top mirrored byte order)</translation>
    </message>
    <message>
        <source>GFX Arduino Font kompakt - Include (max.127 Zeichen)</source>
        <translation>GFX Arduino Font Compact - Include (max. 127 glyphs)</translation>
    </message>
    <message>
        <source>GFX Arduino Font kompakt - Include (max.255 Zeichen)</source>
        <translation>GFX Arduino Font Compact - Include (max. 255 glyphs)</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>Info ...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Über das Programm</source>
        <translation>About this program</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Font laden</source>
        <translation>Open a font</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>Neue Font erstellen</source>
        <translation>Create a new font</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Font speichern</source>
        <translation>Save the font</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Font unter anderem Namen speichern</source>
        <translation>Save the font under another name</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ausschneiden</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>ausschneiden</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Cut2</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Paste2</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copy2</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Zeichen als Bitmap speichern</source>
        <translation>Save Glyph as Bitmap...</translation>
    </message>
    <message>
        <source>Zeichen aus Bitmap importieren</source>
        <translation>Import Glyph from Bitmap...</translation>
    </message>
    <message>
        <source>Invertieren</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Markierung invertieren</source>
        <translation>Invert the selection</translation>
    </message>
    <message>
        <source>Font Parameter ändern ...</source>
        <translation>Change Font Parameters...</translation>
    </message>
    <message>
        <source>Zeicheneditor</source>
        <translation>Glyph Editor</translation>
    </message>
    <message>
        <source>Zeichensatz</source>
        <translation>Character Set</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Breite aller Zeichen automatisch setzen</source>
        <translation>Set All Glyph Widths Automatically</translation>
    </message>
    <message>
        <source>Breite aller Zeichen auf Zeichensatzbreite setzen</source>
        <translation>Set All Glyph Widths to the Cell Width</translation>
    </message>
    <message>
        <source>Zeichenbreite setzen</source>
        <translation>Set Glyph Width</translation>
    </message>
    <message>
        <source>Minimaler Freiraum nach dem Zeichen</source>
        <translation>Minimum Space After Glyph...</translation>
    </message>
    <message>
        <source>ToggleEditSet</source>
        <translation>Toggle Character Set</translation>
    </message>
    <message>
        <source>Anzeige des Zeichensatzes ein/aus</source>
        <translation>Show or hide the character set</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Kerning Test</source>
        <translation>Kerning Test</translation>
    </message>
    <message>
        <source>Zeichenbreite hervorheben</source>
        <translation>Highlight Glyph Width</translation>
    </message>
    <message>
        <source>Zeichen bei Auswahl automatisch laden</source>
        <translation>Load Glyph Automatically on Selection</translation>
    </message>
    <message>
        <source>Zeichen bei Auswahl automatisch sichern</source>
        <translation>Store Glyph Automatically on Selection</translation>
    </message>
    <message>
        <source>Leerspalten vor dem Zeichen entfernen</source>
        <translation>Remove Empty Columns Before Glyph</translation>
    </message>
    <message>
        <source>Leerspalten vor allen Zeichen entfernen</source>
        <translation>Remove Empty Columns Before All Glyphs</translation>
    </message>
    <message>
        <source>Erscheinungsbild ändern</source>
        <translation>Change Look...</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>MainFormTexts</name>
    <message>
        <source>ohne Namen</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Font Type %1</source>
        <translation>Font Type %1</translation>
    </message>
    <message>
        <source>Zeichenbreite = %1</source>
        <translation>Glyph Width = %1</translation>
    </message>
    <message>
        <source>BaseLine = %1</source>
        <translation>Baseline = %1</translation>
    </message>
    <message>
        <source>Zeichen %1 geändert</source>
        <translation>Glyph %1 changed</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>JPEG-Bilder</source>
        <translation>JPEG Images</translation>
    </message>
    <message>
        <source>PNG-Bilder</source>
        <translation>PNG Images</translation>
    </message>
    <message>
        <source>TIFF-Bilder</source>
        <translation>TIFF Images</translation>
    </message>
    <message>
        <source>Symbole</source>
        <translation>Icons</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht als Bild gelesen werden (%2).</source>
        <translation>The file &quot;%1&quot; cannot be read as a picture (%2).</translation>
    </message>
    <message>
        <source>Erweiterte Metadateien</source>
        <translation>Enhanced Metafiles</translation>
    </message>
    <message>
        <source>Metadateien</source>
        <translation>Windows Metafiles</translation>
    </message>
    <message>
        <source>Alle Bilder (%1)</source>
        <translation>All Pictures (%1)</translation>
    </message>
    <message>
        <source>unbekanntes oder beschädigtes Bildformat</source>
        <translation>unknown or damaged picture format</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Zeichensätze für Punktmatrix-Anzeigen</source>
        <translation>Fonts for dot-matrix displays</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>Bestätigen</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>ReaderTable</name>
    <message>
        <source>&lt;kelvaront&gt;-Fontfile (*.FNT *.fnt)</source>
        <translation>&lt;kelvaront&gt; Font File (*.FNT *.fnt)</translation>
    </message>
    <message>
        <source>DOS-OEM-Fontdatei (*.fnt *.FNT)</source>
        <translation>DOS OEM Font File (*.fnt *.FNT)</translation>
    </message>
    <message>
        <source>BDF-Font (*.bdf *.BDF *.bdf.gz)</source>
        <translation>BDF Font (*.bdf *.BDF *.bdf.gz)</translation>
    </message>
    <message>
        <source>PSF-Konsolenfont (*.psf *.psfu *.psf.gz *.psfu.gz)</source>
        <translation>PSF Console Font (*.psf *.psfu *.psf.gz *.psfu.gz)</translation>
    </message>
    <message>
        <source>GFX-Header für Arduino (*.h *.H)</source>
        <translation>Arduino GFX Header (*.h *.H)</translation>
    </message>
    <message>
        <source>u8g2-Font-Quelltext (*.c *.h)</source>
        <translation>u8g2 Font Source (*.c *.h)</translation>
    </message>
    <message>
        <source>LVGL-Font (*.c *.C)</source>
        <translation>LVGL Font (*.c *.C)</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>TCharSpaceDlg</name>
    <message>
        <source>%1 Pixel minimaler Freiraum nach dem Zeichen ...</source>
        <translation>Minimum Space After Glyph: %1 px...</translation>
    </message>
    <message>
        <source>Freiraum nach Zeichen</source>
        <translation>Space After Glyph</translation>
    </message>
    <message>
        <source>minimaler &amp;Freiraum, der nach eine Zeichen
 verbleiben soll</source>
        <translation>Minimum &amp;space to leave
after a glyph</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TCharsetView</name>
    <message>
        <source>Zeichensatz</source>
        <translation>Character set</translation>
    </message>
    <message>
        <source>Tabelle aller Zeichen</source>
        <translation>Table of all glyphs</translation>
    </message>
    <message>
        <source>%1 = %2h%3, Breite %4</source>
        <translation>%1 = %2h%3, width %4</translation>
    </message>
</context>
<context>
    <name>TEditorCanvas</name>
    <message>
        <source>Zeichenbreite</source>
        <translation>Glyph width</translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>Zeicheneditor</source>
        <translation>Glyph editor</translation>
    </message>
</context>
<context>
    <name>TExportCommand</name>
    <message>
        <source>Font exportieren</source>
        <translation>Export Font</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Die Änderungen an der aktuellen Font<byte value="xd"/>wurden noch nicht gespeichert. Soll<byte value="xd"/>die Font jetzt gespeichert werden?</source>
        <translation>The changes to the current font<byte value="xd"/>have not been saved yet.<byte value="xd"/>Save the font now?</translation>
    </message>
    <message>
        <source>Sie haben den Type 1 zu speichern der aktuellen Font<byte value="xd"/>gewählt. Dieser Dateitype speichert die Zeichenbreite,<byte value="xd"/>die Baseline und das Kerning nicht. <byte value="xd"/><byte value="xd"/>Soll der Vorgang trotzdem fortgesetzt werden?</source>
        <translation>You have chosen to save the current font as<byte value="xd"/>type 1. This file type does not store the glyph widths,<byte value="xd"/>the baseline or the kerning.<byte value="xd"/><byte value="xd"/>Do you want to go ahead anyway?</translation>
    </message>
    <message>
        <source>Sie haben den Type %1 zu speichern der aktuellen Font<byte value="xd"/>gewählt. Dieser Dateitype speichert das Kerning nicht.<byte value="xd"/><byte value="xd"/>Soll der Vorgang trotzdem fortgesetzt werden?</source>
        <translation>You have chosen to save the current font as<byte value="xd"/>type %1. This file type does not store the kerning.<byte value="xd"/><byte value="xd"/>Do you want to go ahead anyway?</translation>
    </message>
    <message>
        <source>Fontdatei öffnen</source>
        <translation>Open Font File</translation>
    </message>
    <message>
        <source>Font speichern</source>
        <translation>Save Font</translation>
    </message>
    <message>
        <source>Typ1 &lt;kelvaront&gt;-Fontfile (*.FNT *.fnt)</source>
        <translation>Type 1 &lt;kelvaront&gt; Font File (*.FNT *.fnt)</translation>
    </message>
    <message>
        <source>Typ2 &lt;kelvaront&gt;-Fontfile (mit Zeichenbreite) (*.FNT *.fnt)</source>
        <translation>Type 2 &lt;kelvaront&gt; Font File (with Glyph Widths) (*.FNT *.fnt)</translation>
    </message>
    <message>
        <source>Typ3 &lt;kelvaront&gt;-Fontfile (mit Kerning) (*.FNT *.fnt)</source>
        <translation>Type 3 &lt;kelvaront&gt; Font File (with Kerning) (*.FNT *.fnt)</translation>
    </message>
    <message>
        <source>Import OEM-Font</source>
        <translation>Import OEM Font</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine gültige Fontdatei.</source>
        <translation>The file &quot;%1&quot; is not a valid font file.</translation>
    </message>
    <message>
        <source>Generiere...</source>
        <translation>Generating...</translation>
    </message>
</context>
<context>
    <name>TFontOperations</name>
    <message>
        <source>Sie haben die Funktion &quot;Automatisches Setzen der Zeichenbreite im gesamten Zeichensatz&quot; gewählt.<byte value="xd"/>Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!<byte value="xd"/>Wollen sie die Funktion dennoch ausführen?</source>
        <translation>You have chosen &quot;Set All Glyph Widths Automatically&quot;.<byte value="xd"/>This overwrites every change you have made by hand!<byte value="xd"/>Do you want to go ahead anyway?</translation>
    </message>
    <message>
        <source>Sie haben die Funktion &quot; Setzen der Breite aller Zeichen auf Maximum&quot; gewählt.<byte value="xd"/>Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!<byte value="xd"/>Wollen sie die Funktion dennoch ausführen?</source>
        <translation>You have chosen &quot;Set All Glyph Widths to the Cell Width&quot;.<byte value="xd"/>This overwrites every change you have made by hand!<byte value="xd"/>Do you want to go ahead anyway?</translation>
    </message>
    <message>
        <source>Sie haben die Funktion &quot;Leerspalten vor allen Zeichen entfernen&quot; gewählt.<byte value="xd"/>Diese Funktion kann nicht rückgängig gemacht werden!<byte value="xd"/>Wollen sie die Funktion dennoch ausführen?</source>
        <translation>You have chosen &quot;Remove Empty Columns Before All Glyphs&quot;.<byte value="xd"/>This cannot be undone!<byte value="xd"/>Do you want to go ahead anyway?</translation>
    </message>
    <message>
        <source>Sie wollen die Zeichengröße verringern.<byte value="xd"/>Dabei kann es zu Infomationsverlusten kommen.<byte value="xd"/>Soll die Aktion dennoch ausgeführt werden?</source>
        <translation>You are making the glyph cell smaller.<byte value="xd"/>This can lose information.<byte value="xd"/>Do you want to go ahead anyway?</translation>
    </message>
    <message>
        <source>Konvertiere...</source>
        <translation>Converting...</translation>
    </message>
</context>
<context>
    <name>TGlyphPictureCommands</name>
    <message>
        <source>Speichere Zeichen als Bitmap</source>
        <translation>Save Glyph as Bitmap</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Zeichen aus Bitmap importieren</source>
        <translation>Import Glyph from Bitmap</translation>
    </message>
</context>
<context>
    <name>TGlyphPreview</name>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>TImportFontDLG</name>
    <message>
        <source>Kursiv</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>ANSI</source>
        <translation>ANSI</translation>
    </message>
    <message>
        <source>Breite maximal 64</source>
        <translation>Width at most 64</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import WINDOWS®-Font</source>
        <translation>Import WINDOWS® Font</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Schriftstiel</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Schriftgröße</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Demotext</source>
        <translation>Sample text</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Maximale Breite %1</source>
        <translation>Maximum width %1</translation>
    </message>
</context>
<context>
    <name>TInProcess</name>
    <message>
        <source>Generiere...</source>
        <translation>Generating...</translation>
    </message>
    <message>
        <source>Font konvertieren</source>
        <translation>Converting Font</translation>
    </message>
    <message>
        <source>Zeichen</source>
        <translation>Glyph</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>TKerningView</name>
    <message>
        <source>&amp;automatisch weiterschalten</source>
        <translation>&amp;Advance automatically</translation>
    </message>
    <message>
        <source>zu &amp;überprüfendes Zeichen</source>
        <translation>Glyph to &amp;check</translation>
    </message>
    <message>
        <source>zu überprüfendes Zeichen</source>
        <translation>Glyph to check</translation>
    </message>
    <message>
        <source>Kerning-Test</source>
        <translation>Kerning test</translation>
    </message>
    <message>
        <source>Zeichen mit allen Nachbarn</source>
        <translation>Glyph with all its neighbors</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Weitere Befehle</source>
        <translation>More commands</translation>
    </message>
    <message>
        <source>keine Font</source>
        <translation>no font</translation>
    </message>
    <message>
        <source>Neu öffnen</source>
        <translation>Open Recent</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Zeichnen</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Zeichen bearbeiten</source>
        <translation>Edit Glyph</translation>
    </message>
    <message>
        <source>Zeichensatz</source>
        <translation>Character Set</translation>
    </message>
    <message>
        <source>Kerning und Spacing Test</source>
        <translation>Kerning and Spacing Test</translation>
    </message>
    <message>
        <source>Zeichenliste</source>
        <translation>Glyph list</translation>
    </message>
    <message>
        <source>Zeichen in Editor laden</source>
        <translation>Load glyph into the editor</translation>
    </message>
    <message>
        <source>Zeichen in Zeichensatz sichern</source>
        <translation>Store glyph in the font</translation>
    </message>
    <message>
        <source>Font geändert</source>
        <translation>Font changed</translation>
    </message>
    <message>
        <source>ISO 8859-1 (Latin-1)</source>
        <translation>ISO 8859-1 (Latin-1)</translation>
    </message>
    <message>
        <source>Windows-1252</source>
        <translation>Windows-1252</translation>
    </message>
    <message>
        <source>DOS (Codepage 437)</source>
        <translation>DOS (Code Page 437)</translation>
    </message>
    <message>
        <source>Codepage für Unicode-Formate</source>
        <translation>Code Page for Unicode Formats</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Textvorschau</source>
        <translation>Text Preview</translation>
    </message>
</context>
<context>
    <name>TNewFontDLG</name>
    <message>
        <source>mit folgenden Parametern</source>
        <translation>With these parameters</translation>
    </message>
    <message>
        <source>WINDOWS®-Font importieren</source>
        <translation>Import a WINDOWS® font</translation>
    </message>
    <message>
        <source>Neue Font erstellen</source>
        <translation>New Font</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&lt;b&gt;! Achtung !&lt;/b&gt;&lt;br&gt;Aus Gründen des Urheberechts darf diese Funktion nur mit Zu- stimmung der Fonthersteller genutzt werden.</source>
        <translation>&lt;b&gt;! Caution !&lt;/b&gt;&lt;br&gt;For copyright reasons, use this function only with the consent of the font&apos;s maker.</translation>
    </message>
</context>
<context>
    <name>TParameterDLG</name>
    <message>
        <source>Font Parameter</source>
        <translation>Font Parameters</translation>
    </message>
    <message>
        <source>&amp;Breite</source>
        <translation>&amp;Width</translation>
    </message>
    <message>
        <source>&amp;Höhe</source>
        <translation>&amp;Height</translation>
    </message>
    <message>
        <source>B&amp;asis</source>
        <translation>B&amp;aseline</translation>
    </message>
    <message>
        <source>horizontale Position nach der Änderung </source>
        <translation>Horizontal position after the change</translation>
    </message>
    <message>
        <source>&amp;links</source>
        <translation>&amp;Left</translation>
    </message>
    <message>
        <source>&amp;zentriert</source>
        <translation>&amp;Centered</translation>
    </message>
    <message>
        <source>&amp;recht</source>
        <translation>&amp;Right</translation>
    </message>
    <message>
        <source>vertikale Position nach der Änderung </source>
        <translation>Vertical position after the change</translation>
    </message>
    <message>
        <source>&amp;oben</source>
        <translation>&amp;Top</translation>
    </message>
    <message>
        <source>&amp;mittig</source>
        <translation>&amp;Middle</translation>
    </message>
    <message>
        <source>&amp;unten</source>
        <translation>&amp;Bottom</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TPrintCommand</name>
    <message>
        <source>%1 (%2x%3 Pixel) 1:%4</source>
        <translation>%1 (%2x%3 pixels) 1:%4</translation>
    </message>
    <message>
        <source> (größer als die Seite, abgeschnitten)</source>
        <translation> (larger than the page, cut off)</translation>
    </message>
    <message>
        <source>Der Drucker kann nicht angesprochen werden.</source>
        <translation>The printer cannot be reached.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht abgeschlossen werden.</source>
        <translation>The print job could not be finished.</translation>
    </message>
</context>
<context>
    <name>TStyleSelectDLG</name>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Erscheinungsbild anpassen</source>
        <translation>Change Look</translation>
    </message>
    <message>
        <source>Erscheinungsbilder</source>
        <translation>Looks</translation>
    </message>
</context>
<context>
    <name>TTextPreviewView</name>
    <message>
        <source>OLED weiß</source>
        <translation>OLED White</translation>
    </message>
    <message>
        <source>OLED blau</source>
        <translation>OLED Blue</translation>
    </message>
    <message>
        <source>OLED gelb/blau</source>
        <translation>OLED Yellow/Blue</translation>
    </message>
    <message>
        <source>LCD schwarz auf grün</source>
        <translation>LCD Black on Green</translation>
    </message>
    <message>
        <source>E-Paper schwarz auf weiß</source>
        <translation>E-Paper Black on White</translation>
    </message>
    <message>
        <source>TFT (eigene Farben)</source>
        <translation>TFT (Custom Colours)</translation>
    </message>
    <message>
        <source>Falsches Üben von Xylophonmusik quält jeden größeren Zwerg 0123456789</source>
        <translation>The quick brown fox jumps over the lazy dog 0123456789</translation>
    </message>
    <message>
        <source>Anzeige als Bild speichern</source>
        <translation>Save Display as Picture</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG Picture (*.png)</translation>
    </message>
    <message>
        <source>Textvorschau.png</source>
        <translation>Text Preview.png</translation>
    </message>
    <message>
        <source>Vorschautext</source>
        <translation>Preview text</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Eigene Größe</source>
        <translation>Custom Size</translation>
    </message>
    <message>
        <source>Breite der Anzeige</source>
        <translation>Display width</translation>
    </message>
    <message>
        <source>Höhe der Anzeige</source>
        <translation>Display height</translation>
    </message>
    <message>
        <source>Aussehen der Anzeige</source>
        <translation>Display look</translation>
    </message>
    <message>
        <source>&amp;Vordergrund...</source>
        <translation>&amp;Foreground...</translation>
    </message>
    <message>
        <source>Hinter&amp;grund...</source>
        <translation>Back&amp;ground...</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Abstand vom linken Rand</source>
        <translation>Distance from the left edge</translation>
    </message>
    <message>
        <source>Abstand vom oberen Rand</source>
        <translation>Distance from the top edge</translation>
    </message>
    <message>
        <source>Zeilenabstand</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>Zeilen &amp;umbrechen</source>
        <translation>&amp;Wrap Lines</translation>
    </message>
    <message>
        <source>&amp;Editor-Zeichen vorab zeigen</source>
        <translation>Show &amp;Editor Glyph Before Storing</translation>
    </message>
    <message>
        <source>Als Bild s&amp;peichern</source>
        <translation>Save as &amp;Picture...</translation>
    </message>
    <message>
        <source>Simulierte Anzeige</source>
        <translation>Simulated display</translation>
    </message>
    <message>
        <source>Text auf der Anzeige</source>
        <translation>Text on the display</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>A&amp;nzeige</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>&amp;Breite</source>
        <translation>W&amp;idth</translation>
    </message>
    <message>
        <source>&amp;Höhe</source>
        <translation>&amp;Height</translation>
    </message>
    <message>
        <source>Aus&amp;sehen</source>
        <translation>&amp;Look</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>Zeilen&amp;abstand</source>
        <translation>Line &amp;spacing</translation>
    </message>
    <message>
        <source>Vordergrundfarbe</source>
        <translation>Foreground colour</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Text: %1 x %2 Pixel</source>
        <translation>Text: %1 x %2 pixels</translation>
    </message>
    <message>
        <source>%1 Pixel zu breit</source>
        <translation>%1 pixels too wide</translation>
    </message>
    <message>
        <source>%1 Pixel zu hoch</source>
        <translation>%1 pixels too high</translation>
    </message>
</context>
<context>
    <name>ToolTable</name>
    <message>
        <source>Mark</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>markieren</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>Pixel bearbeiten</source>
        <translation>Edit pixels</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Linie zeichnen</source>
        <translation>Draw a line</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Kreis/Ellipse zeichnen</source>
        <translation>Draw a circle or ellipse</translation>
    </message>
    <message>
        <source>Rectange</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rechteck zeichen</source>
        <translation>Draw a rectangle</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Bereich füllen</source>
        <translation>Fill an area</translation>
    </message>
    <message>
        <source>Kerning</source>
        <translation>Kerning</translation>
    </message>
    <message>
        <source>Kerningbereiche festlegen</source>
        <translation>Set the kerning areas</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Editor für Bitmap-Schriften mit fester Zellgröße für Mikrocontroller-Displays</source>
        <translation>Editor for fixed-cell bitmap fonts for microcontroller displays</translation>
    </message>
    <message>
        <source>Zeigt die Versionsnummer an.</source>
        <translation>Displays the version number.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Fontdatei, die beim Start geöffnet wird.</source>
        <translation>Font file to open at start.</translation>
    </message>
    <message>
        <source>[DATEI]</source>
        <translation>[FILE]</translation>
    </message>
    <message>
        <source>Es kann nur eine Fontdatei angegeben werden.</source>
        <translation>Only one font file can be given.</translation>
    </message>
</context>
</TS>
