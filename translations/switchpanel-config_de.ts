<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>CodePageValidator</name>
    <message>
        <source>THIS CHARACTER CANNOT BE SAVED IN A CONFIGURATION FILE (CODE PAGE %1)</source>
        <translation>DIESES ZEICHEN KANN NICHT IN EINER KONFIGURATIONSDATEI GESPEICHERT WERDEN (CODEPAGE %1)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1 MODULE</source>
        <translation>%1 MODUL</translation>
    </message>
    <message>
        <source>%1 CHANNEL</source>
        <translation>%1 KANAL</translation>
    </message>
    <message>
        <source>PANEL NAME</source>
        <translation>PANELNAME</translation>
    </message>
    <message>
        <source>%1 DESIGNATION</source>
        <translation>%1 BEZEICHNUNG</translation>
    </message>
    <message>
        <source>MARVOLANTIS CONFIGURATION FILES (*.qcf)</source>
        <translation>MARVOLANTIS-KONFIGURATIONSDATEIEN (*.qcf)</translation>
    </message>
    <message>
        <source>Name must be entered in PANEL NAME field</source>
        <translation>Im Feld PANELNAME muss ein Name stehen</translation>
    </message>
    <message>
        <source>THE CONFIGURATION FILE COULD NOT BE SAVED:
%1

%2</source>
        <translation>DIE KONFIGURATIONSDATEI KONNTE NICHT GESPEICHERT WERDEN:
%1

%2</translation>
    </message>
    <message>
        <source>WRITE CONFIGURATION FILE</source>
        <translation>KONFIGURATIONSDATEI SPEICHERN</translation>
    </message>
    <message>
        <source>SAVE CHANGES TO THE CONFIGURATION?</source>
        <translation>ÄNDERUNGEN AN DER KONFIGURATION SPEICHERN?</translation>
    </message>
    <message>
        <source>READ CONFIGURATION FILE</source>
        <translation>KONFIGURATIONSDATEI ÖFFNEN</translation>
    </message>
    <message>
        <source>RESTORE A BACKUP</source>
        <translation>SICHERUNG WIEDERHERSTELLEN</translation>
    </message>
    <message>
        <source>THE CONFIGURATION FILE COULD NOT BE OPENED:
%1

%2</source>
        <translation>DIE KONFIGURATIONSDATEI KONNTE NICHT GEÖFFNET WERDEN:
%1

%2</translation>
    </message>
    <message>
        <source>OPEN %1</source>
        <translation>%1 ÖFFNEN</translation>
    </message>
    <message>
        <source>Swap with</source>
        <translation>Tauschen mit</translation>
    </message>
    <message>
        <source>SWAP %1 WITH</source>
        <translation>%1 TAUSCHEN MIT</translation>
    </message>
    <message>
        <source>PASTE ONTO %1</source>
        <translation>IN %1 EINFÜGEN</translation>
    </message>
    <message>
        <source>SWAP %1 AND %2</source>
        <translation>%1 UND %2 TAUSCHEN</translation>
    </message>
    <message>
        <source>CLEAR %1</source>
        <translation>%1 LEEREN</translation>
    </message>
    <message>
        <source>SET EMPTY ITEMS TO N/A</source>
        <translation>LEERE ELEMENTE AUF N/A</translation>
    </message>
    <message>
        <source>TRV QLM 10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM</source>
        <translation>TRV QLM KONFIGURATIONSPROGRAMM FÜR 10-TASTEN-PANEL</translation>
    </message>
    <message>
        <source>SWITCH PANEL PICTURE</source>
        <translation>BILD DES PANELS</translation>
    </message>
    <message>
        <source>PROGRAMMING HEADER MARKER</source>
        <translation>MARKIERUNG DES PROGRAMMIERANSCHLUSSES</translation>
    </message>
    <message>
        <source>TRV 6/10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM</source>
        <translation>TRV KONFIGURATIONSPROGRAMM FÜR 6/10-TASTEN-PANEL</translation>
    </message>
    <message>
        <source>PROGRAMMING HEADER LOCATION</source>
        <translation>LAGE DES PROGRAMMIERANSCHLUSSES</translation>
    </message>
    <message>
        <source>BACKLIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>ENTER %1 FUNCTION</source>
        <translation>FUNKTION VON %1 EINGEBEN</translation>
    </message>
    <message>
        <source>%1 MODULE ASSIGNMENT</source>
        <translation>%1 MODULZUORDNUNG</translation>
    </message>
    <message>
        <source>%1 CHANNEL ASSIGNMENT</source>
        <translation>%1 KANALZUORDNUNG</translation>
    </message>
    <message>
        <source>STATUS</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>ENTER IDENTITY FOR FILE NAME</source>
        <translation>KENNUNG FÜR DEN DATEINAMEN EINGEBEN</translation>
    </message>
    <message>
        <source>SWITCH CHANNEL ASSIGNMENTS</source>
        <translation>KANÄLE DER TASTER</translation>
    </message>
    <message>
        <source>LIGHTING CHANNEL ASSIGNMENTS</source>
        <translation>KANÄLE DER BELEUCHTUNG</translation>
    </message>
    <message>
        <source>OPEN CONFIGURATION FILE</source>
        <translation>KONFIGURATION ÖFFNEN</translation>
    </message>
    <message>
        <source>LEFT CLICK TO OPEN CONFIG FILE</source>
        <translation>LINKSKLICK ÖFFNET EINE KONFIGURATIONSDATEI</translation>
    </message>
    <message>
        <source>SAVE CONFIGURATION FILE</source>
        <translation>KONFIGURATION SPEICHERN</translation>
    </message>
    <message>
        <source>LEFT CLICK TO SAVE CONFIG FILE</source>
        <translation>LINKSKLICK SPEICHERT DIE KONFIGURATIONSDATEI</translation>
    </message>
    <message>
        <source>READ CONFIGURATION FROM SWITCH PANEL</source>
        <translation>KONFIGURATION AUS DEM PANEL LESEN</translation>
    </message>
    <message>
        <source>LEFT CLICK TO READ CONFIG IN SWITCH PANEL</source>
        <translation>LINKSKLICK LIEST DIE KONFIGURATION IM PANEL</translation>
    </message>
    <message>
        <source>WRITE CONFIGURATION TO SWITCH PANEL</source>
        <translation>KONFIGURATION INS PANEL SCHREIBEN</translation>
    </message>
    <message>
        <source>LEFT CLICK TO SAVE CONFIG IN SWITCH PANEL</source>
        <translation>LINKSKLICK SPEICHERT DIE KONFIGURATION IM PANEL</translation>
    </message>
    <message>
        <source>READ FROM PANEL</source>
        <translation>AUS DEM PANEL LESEN</translation>
    </message>
    <message>
        <source>THE PANEL COULD NOT BE READ FOR A BACKUP (%1).

WRITE THE CONFIGURATION WITHOUT A BACKUP OF WHAT THE PANEL HOLDS?</source>
        <translation>DAS PANEL KONNTE FÜR DIE SICHERUNG NICHT GELESEN WERDEN (%1).

DIE KONFIGURATION OHNE SICHERUNG DES PANELINHALTS SCHREIBEN?</translation>
    </message>
    <message>
        <source>%1 - NOTHING WAS WRITTEN</source>
        <translation>%1 - ES WURDE NICHTS GESCHRIEBEN</translation>
    </message>
    <message>
        <source>SERIAL PORT</source>
        <translation>SERIELLE SCHNITTSTELLE</translation>
    </message>
    <message>
        <source>CONFIGURATION SHEET %1</source>
        <translation>KONFIGURATIONSBLATT %1</translation>
    </message>
    <message>
        <source>PRINT CONFIGURATION SHEET</source>
        <translation>KONFIGURATIONSBLATT DRUCKEN</translation>
    </message>
    <message>
        <source>THE CONFIGURATION SHEET COULD NOT BE PRINTED:
%1

THE PRINTER CANNOT BE USED</source>
        <translation>DAS KONFIGURATIONSBLATT KONNTE NICHT GEDRUCKT WERDEN:
%1

DER DRUCKER IST NICHT VERWENDBAR</translation>
    </message>
    <message>
        <source>EXPORT CONFIGURATION SHEET AS PDF</source>
        <translation>KONFIGURATIONSBLATT ALS PDF EXPORTIEREN</translation>
    </message>
    <message>
        <source>PDF FILES (*.pdf)</source>
        <translation>PDF-DATEIEN (*.pdf)</translation>
    </message>
    <message>
        <source>THE CONFIGURATION SHEET COULD NOT BE SAVED:
%1

%2</source>
        <translation>DAS KONFIGURATIONSBLATT KONNTE NICHT GESPEICHERT WERDEN:
%1

%2</translation>
    </message>
    <message>
        <source>NOT SAVED</source>
        <translation>NICHT GESPEICHERT</translation>
    </message>
    <message>
        <source>SELECT THE SERIAL PORT OF THE SWITCH PANEL, OR TYPE A DEVICE SERVER&apos;S ADDRESS: TCP://HOST:PORT OR RFC2217://HOST:PORT</source>
        <translation>SERIELLE SCHNITTSTELLE DES PANELS WÄHLEN ODER DIE ADRESSE EINES GERÄTESERVERS EINGEBEN: TCP://HOST:PORT ODER RFC2217://HOST:PORT</translation>
    </message>
    <message>
        <source>COMPARE WITH CONFIGURATION FILE</source>
        <translation>MIT KONFIGURATIONSDATEI VERGLEICHEN</translation>
    </message>
    <message>
        <source>EXPORT AS SPREADSHEET</source>
        <translation>ALS TABELLE EXPORTIEREN</translation>
    </message>
    <message>
        <source>CSV FILES (*.csv)</source>
        <translation>CSV-DATEIEN (*.csv)</translation>
    </message>
    <message>
        <source>THE SPREADSHEET COULD NOT BE SAVED:
%1

%2</source>
        <translation>DIE TABELLE KONNTE NICHT GESPEICHERT WERDEN:
%1

%2</translation>
    </message>
    <message>
        <source>A SPREADSHEET IS NOT SAVED AS A CONFIGURATION FILE (.qcf)</source>
        <translation>EINE TABELLE WIRD NICHT ALS KONFIGURATIONSDATEI (.qcf) GESPEICHERT</translation>
    </message>
    <message>
        <source>THE CONFIGURATION SHEET IS NOT SAVED INTO THIS FILE:
%1</source>
        <translation>DAS KONFIGURATIONSBLATT WIRD NICHT IN DIESE DATEI GESPEICHERT:
%1</translation>
    </message>
</context>
<context>
    <name>InstallationDialog</name>
    <message>
        <source>INSTALLATION: %1</source>
        <translation>INSTALLATION: %1</translation>
    </message>
    <message>
        <source>&amp;PANELS OF %1:</source>
        <translation>&amp;PANELS IN %1:</translation>
    </message>
    <message>
        <source>PANEL</source>
        <translation>PANEL</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>STANDORT</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>SCHNITTSTELLE</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>LAST AUDIT</source>
        <translation>LETZTE PRÜFUNG</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>ZEITPUNKT</translation>
    </message>
    <message>
        <source>DIFFERING ITEMS</source>
        <translation>ABWEICHENDE ELEMENTE</translation>
    </message>
    <message>
        <source>READING CELL %1 OF %2</source>
        <translation>LESE ZELLE %1 VON %2</translation>
    </message>
    <message>
        <source>&amp;AUDIT ALL</source>
        <translation>A&amp;LLE PRÜFEN</translation>
    </message>
    <message>
        <source>READ EVERY PANEL THAT HAS A PORT AND COMPARE IT WITH ITS FILE</source>
        <translation>JEDES PANEL MIT SCHNITTSTELLE LESEN UND MIT SEINER DATEI VERGLEICHEN</translation>
    </message>
    <message>
        <source>AUDIT &amp;SELECTED</source>
        <translation>&amp;AUSGEWÄHLTE PRÜFEN</translation>
    </message>
    <message>
        <source>READ THE SELECTED PANELS AND COMPARE EACH WITH ITS FILE</source>
        <translation>DIE AUSGEWÄHLTEN PANELS LESEN UND JEDES MIT SEINER DATEI VERGLEICHEN</translation>
    </message>
    <message>
        <source>&amp;RESTORE SELECTED</source>
        <translation>AUSGEWÄHLTES &amp;WIEDERHERSTELLEN</translation>
    </message>
    <message>
        <source>WRITE ITS FILE INTO THE SELECTED PANEL, KEEPING WHAT IT HOLDS IN ITS HISTORY FIRST</source>
        <translation>SEINE DATEI IN DAS AUSGEWÄHLTE PANEL SCHREIBEN; WAS ES ENTHÄLT, WIRD ZUVOR IN SEINEM VERLAUF AUFBEWAHRT</translation>
    </message>
    <message>
        <source>&amp;OPEN FILE IN WINDOW</source>
        <translation>DATEI IM FENSTER Ö&amp;FFNEN</translation>
    </message>
    <message>
        <source>OPEN THE SELECTED PANEL&apos;S FILE IN THE WINDOW</source>
        <translation>DIE DATEI DES AUSGEWÄHLTEN PANELS IM FENSTER ÖFFNEN</translation>
    </message>
    <message>
        <source>&amp;HISTORY...</source>
        <translation>&amp;VERLAUF...</translation>
    </message>
    <message>
        <source>WHAT THE SELECTED PANEL HELD, BY DATE; ONE CAN BE OPENED</source>
        <translation>WAS DAS AUSGEWÄHLTE PANEL ENTHIELT, NACH DATUM; EINES KANN GEÖFFNET WERDEN</translation>
    </message>
    <message>
        <source>S&amp;TOP</source>
        <translation>S&amp;TOPP</translation>
    </message>
    <message>
        <source>STOP AFTER THE READS IN PROGRESS</source>
        <translation>NACH DEN LAUFENDEN LESEVORGÄNGEN ANHALTEN</translation>
    </message>
    <message>
        <source>&amp;CLOSE</source>
        <translation>S&amp;CHLIESSEN</translation>
    </message>
    <message>
        <source>CLOSE THIS WINDOW AFTER THE READS IN PROGRESS</source>
        <translation>DIESES FENSTER NACH DEN LAUFENDEN LESEVORGÄNGEN SCHLIESSEN</translation>
    </message>
    <message>
        <source>READING</source>
        <translation>WIRD GELESEN</translation>
    </message>
    <message>
        <source>WAITING</source>
        <translation>WARTET</translation>
    </message>
    <message>
        <source>HOLDS ITS CONFIGURATION</source>
        <translation>ENTHÄLT SEINE KONFIGURATION</translation>
    </message>
    <message>
        <source>DIFFERS</source>
        <translation>WEICHT AB</translation>
    </message>
    <message>
        <source>UNREACHABLE: %1</source>
        <translation>NICHT ERREICHBAR: %1</translation>
    </message>
    <message>
        <source>NO FILE: %1</source>
        <translation>KEINE DATEI: %1</translation>
    </message>
    <message>
        <source>NO PORT</source>
        <translation>KEINE SCHNITTSTELLE</translation>
    </message>
    <message>
        <source>HISTORY NOT KEPT: %1</source>
        <translation>VERLAUF NICHT AUFBEWAHRT: %1</translation>
    </message>
    <message>
        <source>%1 (FILE %2, PANEL %3)</source>
        <translation>%1 (DATEI %2, PANEL %3)</translation>
    </message>
    <message>
        <source>PANEL %1 HAS NO PORT: CHOOSE THE PORT IT IS CONNECTED TO IN THE WINDOW</source>
        <translation>PANEL %1 HAT KEINE SCHNITTSTELLE: WÄHLEN SIE IM FENSTER DIE SCHNITTSTELLE, AN DER ES ANGESCHLOSSEN IST</translation>
    </message>
    <message>
        <source>WRITE THE FILE %1 INTO PANEL %2 ON PORT %3?

WHAT THE PANEL HOLDS NOW IS KEPT IN ITS HISTORY FIRST.</source>
        <translation>DIE DATEI %1 IN PANEL %2 AN SCHNITTSTELLE %3 SCHREIBEN?

WAS DAS PANEL JETZT ENTHÄLT, WIRD ZUVOR IN SEINEM VERLAUF AUFBEWAHRT.</translation>
    </message>
    <message>
        <source>WRITING CELL %1 OF %2</source>
        <translation>SCHREIBE ZELLE %1 VON %2</translation>
    </message>
    <message>
        <source>RESTORING</source>
        <translation>WIRD WIEDERHERGESTELLT</translation>
    </message>
    <message>
        <source>RESTORE OF %1: %2</source>
        <translation>WIEDERHERSTELLUNG VON %1: %2</translation>
    </message>
    <message>
        <source>HISTORY OF %1</source>
        <translation>VERLAUF VON %1</translation>
    </message>
    <message>
        <source>NO COPY OF PANEL %1 IS KEPT YET</source>
        <translation>VON PANEL %1 IST NOCH KEINE KOPIE AUFBEWAHRT</translation>
    </message>
    <message>
        <source>&amp;OPEN IN WINDOW</source>
        <translation>IM FENSTER Ö&amp;FFNEN</translation>
    </message>
    <message>
        <source>OPEN THIS COPY IN THE WINDOW</source>
        <translation>DIESE KOPIE IM FENSTER ÖFFNEN</translation>
    </message>
    <message>
        <source>CLOSING AFTER THE PANELS IN PROGRESS</source>
        <translation>WIRD NACH DEN LAUFENDEN PANELS GESCHLOSSEN</translation>
    </message>
    <message>
        <source>STOPPING AFTER THE READS IN PROGRESS</source>
        <translation>HALT NACH DEN LAUFENDEN LESEVORGÄNGEN</translation>
    </message>
    <message>
        <source>AUDITING: %1 OF %2 PANELS DONE</source>
        <translation>PRÜFUNG: %1 VON %2 PANELS FERTIG</translation>
    </message>
    <message>
        <source>RESTORING PANEL %1</source>
        <translation>PANEL %1 WIRD WIEDERHERGESTELLT</translation>
    </message>
    <message>
        <source>%1 HOLD THEIR CONFIGURATION, %2 DIFFER, %3 UNREACHABLE, %4 WITHOUT FILE, %5 WITHOUT PORT</source>
        <translation>%1 ENTHALTEN IHRE KONFIGURATION, %2 WEICHEN AB, %3 NICHT ERREICHBAR, %4 OHNE DATEI, %5 OHNE SCHNITTSTELLE</translation>
    </message>
    <message>
        <source>HISTORY NOT KEPT FOR %1 PANELS</source>
        <translation>VERLAUF FÜR %1 PANELS NICHT AUFBEWAHRT</translation>
    </message>
    <message>
        <source>PANELS IN THE INVENTORY: %1</source>
        <translation>PANELS IM INVENTAR: %1</translation>
    </message>
    <message>
        <source>&amp;KEPT COPIES OF PANEL %1, NEWEST FIRST:</source>
        <translation>&amp;GESPEICHERTE KOPIEN VON PANEL %1, NEUESTE ZUERST:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Eine Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Die Konfiguration in einer Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Print configuration sheet…</source>
        <translation>Konfigurationsblatt &amp;drucken…</translation>
    </message>
    <message>
        <source>Print the configuration sheet of this configuration</source>
        <translation>Das Konfigurationsblatt dieser Konfiguration drucken</translation>
    </message>
    <message>
        <source>&amp;Export configuration sheet as PDF…</source>
        <translation>Konfigurationsblatt als PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>Save the configuration sheet as a PDF file</source>
        <translation>Das Konfigurationsblatt als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wieder ausführen</translation>
    </message>
    <message>
        <source>&amp;Copy item</source>
        <translation>Element &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the module, channel and designation of the item with the focus</source>
        <translation>Modul, Kanal und Bezeichnung des ausgewählten Elements kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste item</source>
        <translation>Element &amp;einfügen</translation>
    </message>
    <message>
        <source>Give the item with the focus the copied module, channel and designation</source>
        <translation>Dem ausgewählten Element das kopierte Modul, den Kanal und die Bezeichnung geben</translation>
    </message>
    <message>
        <source>S&amp;wap with…</source>
        <translation>&amp;Tauschen mit…</translation>
    </message>
    <message>
        <source>Exchange the item with the focus with another item of its view</source>
        <translation>Das ausgewählte Element mit einem anderen Element seiner Ansicht tauschen</translation>
    </message>
    <message>
        <source>C&amp;lear item</source>
        <translation>Element &amp;leeren</translation>
    </message>
    <message>
        <source>Set the item with the focus to N/A with an empty designation</source>
        <translation>Das ausgewählte Element auf N/A mit leerer Bezeichnung setzen</translation>
    </message>
    <message>
        <source>Set all &amp;empty items to N/A</source>
        <translation>Alle leeren Elemente auf &amp;N/A setzen</translation>
    </message>
    <message>
        <source>Set every item without a module and channel to N/A</source>
        <translation>Jedes Element ohne Modul und Kanal auf N/A setzen</translation>
    </message>
    <message>
        <source>&amp;Read from Panel</source>
        <translation>Aus dem Panel &amp;lesen</translation>
    </message>
    <message>
        <source>Read the configuration stored in the switch panel</source>
        <translation>Die im Panel gespeicherte Konfiguration lesen</translation>
    </message>
    <message>
        <source>&amp;Write to Panel</source>
        <translation>Ins Panel &amp;schreiben</translation>
    </message>
    <message>
        <source>Write the configuration into the switch panel</source>
        <translation>Die Konfiguration ins Panel schreiben</translation>
    </message>
    <message>
        <source>&amp;Compare with panel</source>
        <translation>Mit dem Panel &amp;vergleichen</translation>
    </message>
    <message>
        <source>Mark every item in which the panel holds something else</source>
        <translation>Jedes Element markieren, das im Panel anders gespeichert ist</translation>
    </message>
    <message>
        <source>Programming &amp;station…</source>
        <translation>&amp;Programmierstation…</translation>
    </message>
    <message>
        <source>Program panel after panel with this configuration</source>
        <translation>Ein Panel nach dem anderen mit dieser Konfiguration programmieren</translation>
    </message>
    <message>
        <source>&amp;Back up the panel before writing</source>
        <translation>Panel vor dem Schreiben si&amp;chern</translation>
    </message>
    <message>
        <source>Read the panel first and keep what it held as a dated file</source>
        <translation>Erst das Panel lesen und seinen Inhalt als datierte Datei aufbewahren</translation>
    </message>
    <message>
        <source>Res&amp;tore a backup…</source>
        <translation>Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>Open a backup of a panel&apos;s earlier contents</source>
        <translation>Eine Sicherung eines früheren Panelinhalts öffnen</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>How to use the program</source>
        <translation>So wird das Programm benutzt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Program name, version and licence</source>
        <translation>Programmname, Version und Lizenz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Panel</source>
        <translation>&amp;Panel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Show the window in this language from the next start</source>
        <translation>Das Fenster ab dem nächsten Start in dieser Sprache zeigen</translation>
    </message>
    <message>
        <source>The language is changed when the program is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Configures the switches, LEDs and backlighting of the 10-button switch panel.&lt;/p&gt;&lt;p&gt;Copyright 2026 the switchpanel-config developers.&lt;br&gt;Licence: none has been chosen yet; all rights are reserved by the copyright holders.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Konfiguriert die Taster, LEDs und die Beleuchtung des 10-Tasten-Panels.&lt;/p&gt;&lt;p&gt;Copyright 2026 die Entwickler von switchpanel-config.&lt;br&gt;Lizenz: noch keine gewählt; alle Rechte liegen bei den Urheberrechtsinhabern.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&amp;Compare with file…</source>
        <translation>Mit Datei &amp;vergleichen…</translation>
    </message>
    <message>
        <source>Mark every item in which a configuration file holds something else</source>
        <translation>Jedes Element markieren, das in einer Konfigurationsdatei anders gespeichert ist</translation>
    </message>
    <message>
        <source>Export as sprea&amp;dsheet…</source>
        <translation>Als &amp;Tabelle exportieren…</translation>
    </message>
    <message>
        <source>Save the configuration as a CSV file, one row per item</source>
        <translation>Die Konfiguration als CSV-Datei speichern, eine Zeile je Element</translation>
    </message>
    <message>
        <source>Open &amp;installation…</source>
        <translation>&amp;Installation öffnen…</translation>
    </message>
    <message>
        <source>Audit, restore and look back on every panel of a site&apos;s inventory</source>
        <translation>Jedes Panel des Inventars einer Anlage prüfen, wiederherstellen und seinen Verlauf ansehen</translation>
    </message>
    <message>
        <source>OPEN INSTALLATION</source>
        <translation>INSTALLATION ÖFFNEN</translation>
    </message>
    <message>
        <source>INVENTORIES (*.csv);;ALL FILES (*)</source>
        <translation>INVENTARE (*.csv);;ALLE DATEIEN (*)</translation>
    </message>
    <message>
        <source>LINE %1, COLUMN %2</source>
        <translation>ZEILE %1, SPALTE %2</translation>
    </message>
    <message>
        <source>LINE %1</source>
        <translation>ZEILE %1</translation>
    </message>
    <message>
        <source>THE INVENTORY CANNOT BE USED:
%1

%2: %3</source>
        <translation>DAS INVENTAR KANN NICHT VERWENDET WERDEN:
%1

%2: %3</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Assign&lt;/b&gt; each switch, LED and the backlighting a module (A to P) and a channel (1 to 10), or N/A, in the two views; type a designation for each switch and LED and a panel name.&lt;/p&gt;&lt;p&gt;&lt;b&gt;WRITE CONFIGURATION TO SWITCH PANEL&lt;/b&gt; programs the panel on the serial port chosen under it (or behind the device server typed there, tcp://HOST:PORT or rfc2217://HOST:PORT) and reads every cell back. Before it writes, it keeps what the panel held in the backup folder (Panel &amp;gt; Back up the panel before writing); Panel &amp;gt; Restore a backup… opens one.&lt;/p&gt;&lt;p&gt;&lt;b&gt;READ CONFIGURATION FROM SWITCH PANEL&lt;/b&gt; shows what a panel holds. &lt;b&gt;SAVE&lt;/b&gt; and &lt;b&gt;OPEN CONFIGURATION FILE&lt;/b&gt; keep configurations in .qcf files. Edit &amp;gt; Undo takes back any change, an open or a read included; Edit also copies, pastes, swaps and clears items. Panel &amp;gt; Compare with panel outlines every item the panel holds otherwise, File &amp;gt; Compare with file… every item a file holds otherwise; File &amp;gt; Export as spreadsheet… writes a CSV file to edit in a spreadsheet and bring back with &lt;tt&gt;--import-csv&lt;/tt&gt;; File &amp;gt; Print configuration sheet… documents a panel; Panel &amp;gt; Programming station… programs panel after panel. File &amp;gt; Open installation… audits every panel of a site&apos;s inventory (a CSV file with the columns panel, location, port and file) against its file, keeps what each panel held in its history, and restores a panel by name.&lt;/p&gt;&lt;p&gt;Backups: %1&lt;br&gt;The whole manual: &lt;tt&gt;man switchpanel-config&lt;/tt&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Ordnen&lt;/b&gt; Sie in den beiden Ansichten jedem Taster, jeder LED und der Beleuchtung ein Modul (A bis P) und einen Kanal (1 bis 10) oder N/A zu; geben Sie jedem Taster und jeder LED eine Bezeichnung und dem Panel einen Namen.&lt;/p&gt;&lt;p&gt;&lt;b&gt;KONFIGURATION INS PANEL SCHREIBEN&lt;/b&gt; programmiert das Panel an der darunter gewählten seriellen Schnittstelle (oder hinter dem dort eingegebenen Geräteserver, tcp://HOST:PORT oder rfc2217://HOST:PORT) und liest jede Zelle zurück. Vor dem Schreiben wird der Panelinhalt im Sicherungsordner aufbewahrt (Panel &amp;gt; Panel vor dem Schreiben sichern); Panel &amp;gt; Sicherung wiederherstellen… öffnet eine Sicherung.&lt;/p&gt;&lt;p&gt;&lt;b&gt;KONFIGURATION AUS DEM PANEL LESEN&lt;/b&gt; zeigt, was ein Panel enthält. &lt;b&gt;KONFIGURATION SPEICHERN&lt;/b&gt; und &lt;b&gt;ÖFFNEN&lt;/b&gt; bewahren Konfigurationen in .qcf-Dateien auf. Bearbeiten &amp;gt; Rückgängig nimmt jede Änderung zurück, auch ein Öffnen oder Lesen; Bearbeiten kopiert, fügt ein, tauscht und leert auch Elemente. Panel &amp;gt; Mit dem Panel vergleichen umrandet jedes Element, das im Panel anders gespeichert ist, Datei &amp;gt; Mit Datei vergleichen… jedes, das eine Datei anders enthält; Datei &amp;gt; Als Tabelle exportieren… schreibt eine CSV-Datei, die in einer Tabellenkalkulation bearbeitet und mit &lt;tt&gt;--import-csv&lt;/tt&gt; zurückgeholt wird; Datei &amp;gt; Konfigurationsblatt drucken… dokumentiert ein Panel; Panel &amp;gt; Programmierstation… programmiert ein Panel nach dem anderen. Datei &amp;gt; Installation öffnen… prüft jedes Panel des Inventars einer Anlage (einer CSV-Datei mit den Spalten panel, location, port und file) gegen seine Datei, bewahrt in seinem Verlauf auf, was jedes Panel enthielt, und stellt ein Panel über seinen Namen wieder her.&lt;/p&gt;&lt;p&gt;Sicherungen: %1&lt;br&gt;Das ganze Handbuch (englisch): &lt;tt&gt;man switchpanel-config&lt;/tt&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>THE INVENTORY CANNOT BE USED:
%1

%2</source>
        <translation>DAS INVENTAR KANN NICHT VERWENDET WERDEN:
%1

%2</translation>
    </message>
</context>
<context>
    <name>StationDialog</name>
    <message>
        <source>PROGRAMMING STATION</source>
        <translation>PROGRAMMIERSTATION</translation>
    </message>
    <message>
        <source>&amp;REPORT FILE:</source>
        <translation>&amp;PROTOKOLLDATEI:</translation>
    </message>
    <message>
        <source>REPORT FILE</source>
        <translation>PROTOKOLLDATEI</translation>
    </message>
    <message>
        <source>CSV FILE THAT GETS ONE ROW PER PANEL; EMPTY FOR NO REPORT</source>
        <translation>CSV-DATEI MIT EINER ZEILE JE PANEL; LEER FÜR KEIN PROTOKOLL</translation>
    </message>
    <message>
        <source>C&amp;HOOSE...</source>
        <translation>&amp;WÄHLEN...</translation>
    </message>
    <message>
        <source>CHOOSE THE REPORT FILE</source>
        <translation>PROTOKOLLDATEI WÄHLEN</translation>
    </message>
    <message>
        <source>NO PANEL PROGRAMMED YET</source>
        <translation>NOCH KEIN PANEL PROGRAMMIERT</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;START</translation>
    </message>
    <message>
        <source>S&amp;TOP</source>
        <translation>S&amp;TOPP</translation>
    </message>
    <message>
        <source>&amp;CLOSE</source>
        <translation>S&amp;CHLIESSEN</translation>
    </message>
    <message>
        <source>STOP THE STATION AND CLOSE THIS WINDOW</source>
        <translation>STATION ANHALTEN UND DIESES FENSTER SCHLIESSEN</translation>
    </message>
    <message>
        <source>CSV FILES (*.csv)</source>
        <translation>CSV-DATEIEN (*.csv)</translation>
    </message>
    <message>
        <source>THE REPORT FILE CANNOT BE WRITTEN: %1</source>
        <translation>DIE PROTOKOLLDATEI KANN NICHT GESCHRIEBEN WERDEN: %1</translation>
    </message>
    <message>
        <source>PROGRAMMED</source>
        <translation>PROGRAMMIERT</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>PANEL %1: %2</source>
        <translation>PANEL %1: %2</translation>
    </message>
    <message>
        <source>PANEL %1: %2 AT %3</source>
        <translation>PANEL %1: %2 BEI %3</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ANGEHALTEN</translation>
    </message>
    <message>
        <source>PRESS START, THEN CONNECT THE PANELS ONE AFTER THE OTHER</source>
        <translation>START DRÜCKEN, DANN DIE PANELS NACHEINANDER ANSCHLIESSEN</translation>
    </message>
    <message>
        <source>WAITING FOR A PANEL ON %1</source>
        <translation>WARTE AUF EIN PANEL AN %1</translation>
    </message>
    <message>
        <source>STOPPING AFTER THIS PANEL</source>
        <translation>HALT NACH DIESEM PANEL</translation>
    </message>
    <message>
        <source>PROGRAMMING PANEL %1</source>
        <translation>PANEL %1 WIRD PROGRAMMIERT</translation>
    </message>
    <message>
        <source>DISCONNECT THE PANEL</source>
        <translation>PANEL ABKLEMMEN</translation>
    </message>
    <message>
        <source>CONFIGURATION: %1</source>
        <translation>KONFIGURATION: %1</translation>
    </message>
    <message>
        <source>&amp;PORTS:</source>
        <translation>&amp;SCHNITTSTELLEN:</translation>
    </message>
    <message>
        <source>PORTS</source>
        <translation>SCHNITTSTELLEN</translation>
    </message>
    <message>
        <source>TICK EVERY PORT A PANEL IS CONNECTED TO: EACH PORT IS PROGRAMMED AT THE SAME TIME AS THE OTHERS</source>
        <translation>JEDE SCHNITTSTELLE MIT ANGESCHLOSSENEM PANEL ANKREUZEN: ALLE WERDEN GLEICHZEITIG PROGRAMMIERT</translation>
    </message>
    <message>
        <source>&amp;OTHER PORT:</source>
        <translation>&amp;ANDERE SCHNITTSTELLE:</translation>
    </message>
    <message>
        <source>OTHER PORT</source>
        <translation>ANDERE SCHNITTSTELLE</translation>
    </message>
    <message>
        <source>TYPE A PORT THE LIST DOES NOT OFFER, THEN ADD IT</source>
        <translation>EINE SCHNITTSTELLE EINGEBEN, DIE DIE LISTE NICHT ANBIETET, UND HINZUFÜGEN</translation>
    </message>
    <message>
        <source>&amp;ADD</source>
        <translation>&amp;HINZUFÜGEN</translation>
    </message>
    <message>
        <source>ADD THE TYPED PORT TO THE LIST, TICKED</source>
        <translation>DIE EINGEGEBENE SCHNITTSTELLE ANGEKREUZT IN DIE LISTE AUFNEHMEN</translation>
    </message>
    <message>
        <source>PROGRAM EVERY PANEL CONNECTED TO THE TICKED PORTS, ONE AFTER THE OTHER ON EACH PORT</source>
        <translation>JEDES PANEL AN DEN ANGEKREUZTEN SCHNITTSTELLEN PROGRAMMIEREN, JE SCHNITTSTELLE EINES NACH DEM ANDEREN</translation>
    </message>
    <message>
        <source>STOP AFTER THE PANELS IN PROGRESS</source>
        <translation>NACH DEN LAUFENDEN PANELS ANHALTEN</translation>
    </message>
    <message>
        <source>TICK THE PORTS THE PANELS ARE CONNECTED TO</source>
        <translation>DIE SCHNITTSTELLEN DER PANELS ANKREUZEN</translation>
    </message>
    <message>
        <source>PROGRAMMING PANEL %1: WRITING CELL %2 OF %3</source>
        <translation>PANEL %1 WIRD PROGRAMMIERT: ZELLE %2 VON %3</translation>
    </message>
    <message>
        <source>PORT MISSING: %1</source>
        <translation>SCHNITTSTELLE FEHLT: %1</translation>
    </message>
    <message>
        <source>PROGRAMMED %1   FAILED %2</source>
        <translation>PROGRAMMIERT %1   FEHLGESCHLAGEN %2</translation>
    </message>
    <message>
        <source>STOPPING AFTER THE PANELS IN PROGRESS</source>
        <translation>HALT NACH DEN LAUFENDEN PANELS</translation>
    </message>
    <message>
        <source>RUNNING ON 1 PORT</source>
        <translation>LÄUFT AN 1 SCHNITTSTELLE</translation>
    </message>
    <message>
        <source>RUNNING ON %1 PORTS</source>
        <translation>LÄUFT AN %1 SCHNITTSTELLEN</translation>
    </message>
    <message>
        <source>THE REPORT IS NOT WRITTEN INTO THIS FILE:
%1</source>
        <translation>DAS PROTOKOLL WIRD NICHT IN DIESE DATEI GESCHRIEBEN:
%1</translation>
    </message>
</context>
<context>
    <name>configsheet</name>
    <message>
        <source>SWITCH PANEL CONFIGURATION SHEET</source>
        <translation>KONFIGURATIONSBLATT DES PANELS</translation>
    </message>
    <message>
        <source>PANEL NAME: %1</source>
        <translation>PANELNAME: %1</translation>
    </message>
    <message>
        <source>DATE: %1</source>
        <translation>DATUM: %1</translation>
    </message>
    <message>
        <source>NOT SAVED</source>
        <translation>NICHT GESPEICHERT</translation>
    </message>
    <message>
        <source>FILE: %1</source>
        <translation>DATEI: %1</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>UNVOLLSTÄNDIG</translation>
    </message>
    <message>
        <source>MODULE %1</source>
        <translation>MODUL %1</translation>
    </message>
    <message>
        <source>CHANNEL %1</source>
        <translation>KANAL %1</translation>
    </message>
    <message>
        <source>ITEM</source>
        <translation>ELEMENT</translation>
    </message>
    <message>
        <source>MODULE</source>
        <translation>MODUL</translation>
    </message>
    <message>
        <source>CHANNEL</source>
        <translation>KANAL</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>DESIGNATION</source>
        <translation>BEZEICHNUNG</translation>
    </message>
    <message>
        <source>SWITCH CHANNEL ASSIGNMENTS</source>
        <translation>KANÄLE DER TASTER</translation>
    </message>
    <message>
        <source>LIGHTING CHANNEL ASSIGNMENTS</source>
        <translation>KANÄLE DER BELEUCHTUNG</translation>
    </message>
    <message>
        <source>CONFIGURATION SHEET %1</source>
        <translation>KONFIGURATIONSBLATT %1</translation>
    </message>
</context>
<context>
    <name>statustext</name>
    <message>
        <source>STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION</source>
        <translation>VERBINDUNG WIRD AUFGEBAUT, UM DIE PANELKONFIGURATION ZU LESEN</translation>
    </message>
    <message>
        <source>STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION</source>
        <translation>VERBINDUNG WIRD AUFGEBAUT, UM DIE PANELKONFIGURATION ZU SCHREIBEN</translation>
    </message>
    <message>
        <source>READING THE PANEL BEFORE WRITING</source>
        <translation>PANEL WIRD VOR DEM SCHREIBEN GELESEN</translation>
    </message>
    <message>
        <source>SWITCH PANEL HAS BEEN PROGRAMMED</source>
        <translation>DAS PANEL WURDE PROGRAMMIERT</translation>
    </message>
    <message>
        <source>SWITCH PANEL DATA READ SUCCESSFUL</source>
        <translation>PANELDATEN ERFOLGREICH GELESEN</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND</source>
        <translation>KOMMUNIKATIONSFEHLER: DAS PANEL ANTWORTET NICHT</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA</source>
        <translation>KOMMUNIKATIONSFEHLER: FEHLERHAFTE PANELDATEN</translation>
    </message>
    <message>
        <source>COMMUNICATIONS OK</source>
        <translation>KOMMUNIKATION OK</translation>
    </message>
    <message>
        <source>NOT ACKNOWLEDGED</source>
        <translation>NICHT QUITTIERT</translation>
    </message>
    <message>
        <source>COMMUNICATIONS CORRUPTED</source>
        <translation>KOMMUNIKATION GESTÖRT</translation>
    </message>
    <message>
        <source>DATA FAILED TO VERIFY</source>
        <translation>DATEN NICHT BESTÄTIGT</translation>
    </message>
    <message>
        <source>ERROR - DATA OUT OF RANGE</source>
        <translation>FEHLER - DATEN AUSSERHALB DES BEREICHS</translation>
    </message>
    <message>
        <source>DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA</source>
        <translation>VOR DEM SCHREIBEN MÜSSEN FÜR ALLE TASTER DATEN EINGEGEBEN (ANGEKLICKT) SEIN</translation>
    </message>
    <message>
        <source>DATA MUST BE ENTERED (CLICKED) FOR ALL LED&apos;S AND BACKLIGHTING BEFORE WRITING DATA</source>
        <translation>VOR DEM SCHREIBEN MÜSSEN FÜR ALLE LEDS UND DIE BELEUCHTUNG DATEN EINGEGEBEN (ANGEKLICKT) SEIN</translation>
    </message>
    <message>
        <source>DATA MUST BE ENTERED (CLICKED) FOR ALL LED&apos;s AND BACKLIGHTING BEFORE WRITING DATA</source>
        <translation>VOR DEM SPEICHERN MÜSSEN FÜR ALLE LEDs UND DIE BELEUCHTUNG DATEN EINGEGEBEN (ANGEKLICKT) SEIN</translation>
    </message>
    <message>
        <source>PANEL HOLDS THIS CONFIGURATION</source>
        <translation>DAS PANEL ENTHÄLT DIESE KONFIGURATION</translation>
    </message>
    <message>
        <source>CANNOT OPEN SERIAL PORT %1 - %2</source>
        <translation>SERIELLE SCHNITTSTELLE %1 LÄSST SICH NICHT ÖFFNEN - %2</translation>
    </message>
    <message>
        <source>NO SUCH DEVICE</source>
        <translation>GERÄT NICHT VORHANDEN</translation>
    </message>
    <message>
        <source>IT IS ALREADY OPEN</source>
        <translation>SIE IST BEREITS GEÖFFNET</translation>
    </message>
    <message>
        <source>IT IS IN USE BY ANOTHER PROGRAM</source>
        <translation>EIN ANDERES PROGRAMM BENUTZT SIE</translation>
    </message>
    <message>
        <source>PERMISSION DENIED: THE USER MUST BE IN GROUP &quot;%1&quot;</source>
        <translation>ZUGRIFF VERWEIGERT: DER BENUTZER MUSS IN DER GRUPPE &quot;%1&quot; SEIN</translation>
    </message>
    <message>
        <source>PERMISSION DENIED: ONLY ITS OWNER &quot;%1&quot; MAY OPEN IT - GIVE THE DEVICE TO A GROUP THE USER IS IN WITH A UDEV RULE (GROUP &quot;dialout&quot;, MODE 0660), OR ASK AN ADMINISTRATOR</source>
        <translation>ZUGRIFF VERWEIGERT: NUR IHR BESITZER &quot;%1&quot; DARF SIE ÖFFNEN - DAS GERÄT PER UDEV-REGEL EINER GRUPPE DES BENUTZERS GEBEN (GROUP &quot;dialout&quot;, MODE 0660) ODER EINEN ADMINISTRATOR FRAGEN</translation>
    </message>
    <message>
        <source>THE BACKUP FOLDER %1 CANNOT BE CREATED</source>
        <translation>DER SICHERUNGSORDNER %1 KANN NICHT ANGELEGT WERDEN</translation>
    </message>
    <message>
        <source>THE BACKUP %1 COULD NOT BE SAVED: %2</source>
        <translation>DIE SICHERUNG %1 KONNTE NICHT GESPEICHERT WERDEN: %2</translation>
    </message>
    <message>
        <source>THE TRAFFIC LOG %1 COULD NOT BE WRITTEN (%2); THE PANEL COMMAND WENT ON WITHOUT IT</source>
        <translation>DAS VERKEHRSPROTOKOLL %1 KONNTE NICHT GESCHRIEBEN WERDEN (%2); DER PANELBEFEHL LIEF OHNE ES WEITER</translation>
    </message>
    <message>
        <source>NO FILE NAME GIVEN</source>
        <translation>KEIN DATEINAME ANGEGEBEN</translation>
    </message>
    <message>
        <source>THE FOLDER %1 DOES NOT EXIST</source>
        <translation>DER ORDNER %1 EXISTIERT NICHT</translation>
    </message>
    <message>
        <source>THE FOLDER %1 CANNOT BE WRITTEN</source>
        <translation>IN DEN ORDNER %1 KANN NICHT GESCHRIEBEN WERDEN</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A CONFIGURATION FILE</source>
        <translation>ES IST EIN ORDNER, KEINE KONFIGURATIONSDATEI</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A CONFIGURATION FILE</source>
        <translation>ES IST EIN GERÄT, EINE PIPE ODER EIN SOCKET, KEINE KONFIGURATIONSDATEI</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A PDF FILE</source>
        <translation>ES IST EIN ORDNER, KEINE PDF-DATEI</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A PDF FILE</source>
        <translation>ES IST EIN GERÄT, EINE PIPE ODER EIN SOCKET, KEINE PDF-DATEI</translation>
    </message>
    <message>
        <source>THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE</source>
        <translation>DIE DATEI IST ZU GROSS FÜR EINE KONFIGURATIONSDATEI</translation>
    </message>
    <message>
        <source>FIELD %1 HOLDS THE CODE %2, WHICH IS NOT AN ASSIGNMENT</source>
        <translation>FELD %1 ENTHÄLT DEN CODE %2, DER KEINE ZUORDNUNG IST</translation>
    </message>
    <message>
        <source>THE FILE ENDS BEFORE FIELD %1 OF %2 IS COMPLETE</source>
        <translation>DIE DATEI ENDET VOR DEM ENDE VON FELD %1 VON %2</translation>
    </message>
    <message>
        <source>FIELD %1 HOLDS A NUMBER OUTSIDE -32768 TO 32767</source>
        <translation>FELD %1 ENTHÄLT EINE ZAHL AUSSERHALB VON -32768 BIS 32767</translation>
    </message>
    <message>
        <source>THE FILE WOULD BE LARGER THAN %1 KIB, TOO LARGE TO BE OPENED AGAIN: SHORTEN THE PANEL NAME OR THE DESIGNATIONS</source>
        <translation>DIE DATEI WÜRDE GRÖSSER ALS %1 KIB UND LIESSE SICH NICHT WIEDER ÖFFNEN: PANELNAME ODER BEZEICHNUNGEN KÜRZEN</translation>
    </message>
    <message>
        <source>WRITE FAILED</source>
        <translation>SCHREIBEN FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>NOT A REGULAR FILE</source>
        <translation>KEINE NORMALE DATEI</translation>
    </message>
    <message>
        <source>PANEL HOLDS %1</source>
        <translation>PANEL ENTHÄLT %1</translation>
    </message>
    <message>
        <source>PANEL DIFFERS IN 1 ITEM: %1</source>
        <translation>PANEL WEICHT IN 1 ELEMENT AB: %1</translation>
    </message>
    <message>
        <source>PANEL DIFFERS IN %1 ITEMS: %2</source>
        <translation>PANEL WEICHT IN %1 ELEMENTEN AB: %2</translation>
    </message>
    <message>
        <source>%1 AND %2</source>
        <translation>%1 UND %2</translation>
    </message>
    <message>
        <source>SAME CHANNEL AS %1</source>
        <translation>GLEICHER KANAL WIE %1</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - %1 - %2 OF 21 CELLS WRITTEN</source>
        <translation>KOMMUNIKATIONSFEHLER: FEHLERHAFTE PANELDATEN - %1 - %2 VON 21 ZELLEN GESCHRIEBEN</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - %1</source>
        <translation>KOMMUNIKATIONSFEHLER: FEHLERHAFTE PANELDATEN - %1</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND - %1</source>
        <translation>KOMMUNIKATIONSFEHLER: DAS PANEL ANTWORTET NICHT - %1</translation>
    </message>
    <message>
        <source>SERIAL PORT %1 LOST</source>
        <translation>SERIELLE SCHNITTSTELLE %1 VERLOREN</translation>
    </message>
    <message>
        <source>SERIAL PORT %1 LOST: %2</source>
        <translation>SERIELLE SCHNITTSTELLE %1 VERLOREN: %2</translation>
    </message>
    <message>
        <source>CONNECTION TO %1 LOST: %2</source>
        <translation>VERBINDUNG ZU %1 VERLOREN: %2</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER CLOSED THE CONNECTION</source>
        <translation>DER GERÄTESERVER HAT DIE VERBINDUNG GESCHLOSSEN</translation>
    </message>
    <message>
        <source>THE CONNECTION WAS RESET</source>
        <translation>DIE VERBINDUNG WURDE ZURÜCKGESETZT</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER STOPPED READING</source>
        <translation>DER GERÄTESERVER NIMMT KEINE DATEN MEHR AN</translation>
    </message>
    <message>
        <source>FILE HOLDS DESIGNATION %1</source>
        <translation>DATEI ENTHÄLT BEZEICHNUNG %1</translation>
    </message>
    <message>
        <source>FILE HOLDS %1</source>
        <translation>DATEI ENTHÄLT %1</translation>
    </message>
    <message>
        <source>FILE HOLDS THIS CONFIGURATION</source>
        <translation>DATEI ENTHÄLT DIESE KONFIGURATION</translation>
    </message>
    <message>
        <source>FILE DIFFERS IN THE PANEL NAME</source>
        <translation>DATEI WEICHT IM PANELNAMEN AB</translation>
    </message>
    <message>
        <source>FILE DIFFERS IN 1 ITEM: %1</source>
        <translation>DATEI WEICHT IN 1 ELEMENT AB: %1</translation>
    </message>
    <message>
        <source>FILE DIFFERS IN %1 ITEMS: %2</source>
        <translation>DATEI WEICHT IN %1 ELEMENTEN AB: %2</translation>
    </message>
    <message>
        <source>PANEL NAME: %1 -&gt; %2</source>
        <translation>PANELNAME: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1 DESIGNATION: %2 -&gt; %3</source>
        <translation>%1 BEZEICHNUNG: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A CSV FILE</source>
        <translation>ES IST EIN ORDNER, KEINE CSV-DATEI</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A CSV FILE</source>
        <translation>ES IST EIN GERÄT, EINE PIPE ODER EIN SOCKET, KEINE CSV-DATEI</translation>
    </message>
    <message>
        <source>THE PORT STOPPED SENDING</source>
        <translation>DIE SCHNITTSTELLE SENDET NICHT MEHR</translation>
    </message>
    <message>
        <source>FIELD %1 HOLDS NO NUMBER: IT IS EMPTY</source>
        <translation>FELD %1 ENTHÄLT KEINE ZAHL: ES IST LEER</translation>
    </message>
    <message>
        <source>%1 IS A LINK TO %2, WHICH IS NAMED AS A CONFIGURATION FILE (.QCF).</source>
        <translation>%1 IST EINE VERKNÜPFUNG AUF %2, DIE WIE EINE KONFIGURATIONSDATEI (.QCF) HEISST.</translation>
    </message>
    <message>
        <source>%1 IS NAMED AS A CONFIGURATION FILE (.QCF).</source>
        <translation>%1 HEISST WIE EINE KONFIGURATIONSDATEI (.QCF).</translation>
    </message>
    <message>
        <source>%1 IS A LINK TO %2, WHICH IS A CONFIGURATION FILE.</source>
        <translation>%1 IST EINE VERKNÜPFUNG AUF %2, EINE KONFIGURATIONSDATEI.</translation>
    </message>
    <message>
        <source>%1 IS A CONFIGURATION FILE.</source>
        <translation>%1 IST EINE KONFIGURATIONSDATEI.</translation>
    </message>
    <message>
        <source>A CONFIGURATION FILE IS NEVER OVERWRITTEN WITH ANOTHER KIND OF FILE. CHOOSE ANOTHER FILE.</source>
        <translation>EINE KONFIGURATIONSDATEI WIRD NIE MIT EINER ANDEREN ART VON DATEI ÜBERSCHRIEBEN. WÄHLEN SIE EINE ANDERE DATEI.</translation>
    </message>
    <message>
        <source>%1 - PORTS FOUND: %2</source>
        <translation>%1 - GEFUNDENE SCHNITTSTELLEN: %2</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A BACKUP FILE</source>
        <translation>ES IST EIN ORDNER, KEINE SICHERUNGSDATEI</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A BACKUP FILE</source>
        <translation>ES IST EIN GERÄT, EINE PIPE ODER EIN SOCKET, KEINE SICHERUNGSDATEI</translation>
    </message>
    <message>
        <source>THE SHEET COULD NOT BE DRAWN</source>
        <translation>DAS BLATT KONNTE NICHT GEZEICHNET WERDEN</translation>
    </message>
    <message>
        <source>THE BACKUP %1 IS NOT IN THE BACKUP FOLDER AFTER SAVING IT: THE FOLDER CANNOT BE TRUSTED</source>
        <translation>DIE SICHERUNG %1 IST NACH DEM SPEICHERN NICHT IM SICHERUNGSORDNER: DEM ORDNER IST NICHT ZU TRAUEN</translation>
    </message>
    <message>
        <source>THE PANEL COULD NOT BE READ FOR A BACKUP (%1), NOTHING WAS WRITTEN</source>
        <translation>DAS PANEL KONNTE FÜR DIE SICHERUNG NICHT GELESEN WERDEN (%1), ES WURDE NICHTS GESCHRIEBEN</translation>
    </message>
    <message>
        <source>%1, NOTHING WAS WRITTEN</source>
        <translation>%1, ES WURDE NICHTS GESCHRIEBEN</translation>
    </message>
    <message>
        <source>THE REPORT ENDED IN A TORN ROW; ITS LAST %1 BYTES, WITHOUT A LINE END, WERE CUT OFF</source>
        <translation>DAS PROTOKOLL ENDETE IN EINER ABGERISSENEN ZEILE; SEINE LETZTEN %1 BYTES OHNE ZEILENENDE WURDEN ABGESCHNITTEN</translation>
    </message>
    <message>
        <source>THE INVENTORY NAMES NO FILE</source>
        <translation>DAS INVENTAR NENNT KEINE DATEI</translation>
    </message>
    <message>
        <source>THE FILE DOES NOT EXIST</source>
        <translation>DIE DATEI EXISTIERT NICHT</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT AN INVENTORY</source>
        <translation>ES IST EIN ORDNER, KEIN INVENTAR</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT AN INVENTORY</source>
        <translation>ES IST EIN GERÄT, EINE PIPE ODER EIN SOCKET, KEIN INVENTAR</translation>
    </message>
    <message>
        <source>THE FILE IS LARGER THAN %1 MIB, TOO LARGE FOR AN INVENTORY</source>
        <translation>DIE DATEI IST GRÖSSER ALS %1 MIB, ZU GROSS FÜR EIN INVENTAR</translation>
    </message>
    <message>
        <source>IT IS NOT A TEXT FILE (IT HOLDS A NUL BYTE), NOT AN INVENTORY</source>
        <translation>ES IST KEINE TEXTDATEI (SIE ENTHÄLT EIN NUL-BYTE), KEIN INVENTAR</translation>
    </message>
    <message>
        <source>A QUOTE OPENED ON LINE %1 IS NEVER CLOSED</source>
        <translation>EIN IN ZEILE %1 GEÖFFNETES ANFÜHRUNGSZEICHEN WIRD NIE GESCHLOSSEN</translation>
    </message>
    <message>
        <source>TEXT AFTER THE CLOSING QUOTE OF A FIELD</source>
        <translation>TEXT NACH DEM SCHLIESSENDEN ANFÜHRUNGSZEICHEN EINES FELDES</translation>
    </message>
    <message>
        <source>THE INVENTORY IS EMPTY: ITS FIRST LINE NAMES THE COLUMNS panel, location, port AND file</source>
        <translation>DAS INVENTAR IST LEER: SEINE ERSTE ZEILE NENNT DIE SPALTEN panel, location, port UND file</translation>
    </message>
    <message>
        <source>THE COLUMN %1 IS NAMED TWICE (ALSO COLUMN %2)</source>
        <translation>DIE SPALTE %1 WIRD ZWEIMAL GENANNT (AUCH SPALTE %2)</translation>
    </message>
    <message>
        <source>NO COLUMN NAMED %1: THE FIRST LINE NAMES THE COLUMNS panel, location, port AND file</source>
        <translation>KEINE SPALTE NAMENS %1: DIE ERSTE ZEILE NENNT DIE SPALTEN panel, location, port UND file</translation>
    </message>
    <message>
        <source>THE ROW HAS %1 FIELDS, THE HEADER %2</source>
        <translation>DIE ZEILE HAT %1 FELDER, DIE KOPFZEILE %2</translation>
    </message>
    <message>
        <source>THE PANEL NAME IS EMPTY</source>
        <translation>DER PANELNAME IST LEER</translation>
    </message>
    <message>
        <source>THE PANEL NAME &quot;%1&quot; IS ALSO ON LINE %2 (NAMES ARE COMPARED WITHOUT REGARD TO CASE)</source>
        <translation>DER PANELNAME &quot;%1&quot; STEHT AUCH IN ZEILE %2 (NAMEN WERDEN OHNE RÜCKSICHT AUF GROSS- UND KLEINSCHREIBUNG VERGLICHEN)</translation>
    </message>
    <message>
        <source>THE PORT %1 IS ALSO THE PORT OF &quot;%2&quot; ON LINE %3</source>
        <translation>DIE SCHNITTSTELLE %1 IST AUCH DIE SCHNITTSTELLE VON &quot;%2&quot; IN ZEILE %3</translation>
    </message>
    <message>
        <source>THE PORT %1 IS THE PORT %2 OF &quot;%3&quot; ON LINE %4</source>
        <translation>DIE SCHNITTSTELLE %1 IST DIE SCHNITTSTELLE %2 VON &quot;%3&quot; IN ZEILE %4</translation>
    </message>
    <message>
        <source>%1 IS A SYMBOLIC LINK; HISTORY IS KEPT ONLY IN A FOLDER OF ITS OWN</source>
        <translation>%1 IST EIN SYMBOLISCHER LINK; DER VERLAUF WIRD NUR IN EINEM EIGENEN ORDNER AUFBEWAHRT</translation>
    </message>
    <message>
        <source>%1 IS NOT A FOLDER</source>
        <translation>%1 IST KEIN ORDNER</translation>
    </message>
    <message>
        <source>THE HISTORY FOLDER %1 CANNOT BE CREATED</source>
        <translation>DER VERLAUFSORDNER %1 KANN NICHT ANGELEGT WERDEN</translation>
    </message>
    <message>
        <source>THE HISTORY FOLDER %1 CANNOT BE WRITTEN: %2</source>
        <translation>IN DEN VERLAUFSORDNER %1 KANN NICHT GESCHRIEBEN WERDEN: %2</translation>
    </message>
    <message>
        <source>A COPY COULD NOT BE WRITTEN IN %1: %2</source>
        <translation>IN %1 KONNTE KEINE KOPIE GESCHRIEBEN WERDEN: %2</translation>
    </message>
    <message>
        <source>THE COPY %1 COULD NOT BE MADE: %2</source>
        <translation>DIE KOPIE %1 KONNTE NICHT ANGELEGT WERDEN: %2</translation>
    </message>
    <message>
        <source>TOO MANY COPIES IN %1 FOR ONE SECOND</source>
        <translation>ZU VIELE KOPIEN IN %1 FÜR EINE SEKUNDE</translation>
    </message>
    <message>
        <source>NO PORT: THE INVENTORY GIVES &quot;%1&quot; NO PORT</source>
        <translation>KEINE SCHNITTSTELLE: DAS INVENTAR GIBT &quot;%1&quot; KEINE SCHNITTSTELLE</translation>
    </message>
    <message>
        <source>NO FILE: THE INVENTORY NAMES NO FILE</source>
        <translation>KEINE DATEI: DAS INVENTAR NENNT KEINE DATEI</translation>
    </message>
    <message>
        <source>NO FILE: %1: %2</source>
        <translation>KEINE DATEI: %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 HAS NO CHANNEL (CODE -1 IN FIELD %3): %4</source>
        <translation>%1: %2 HAT KEINEN KANAL (CODE -1 IN FELD %3): %4</translation>
    </message>
    <message>
        <source>CONNECTION REFUSED</source>
        <translation>VERBINDUNG ABGELEHNT</translation>
    </message>
    <message>
        <source>HOST NOT FOUND</source>
        <translation>HOST NICHT GEFUNDEN</translation>
    </message>
    <message>
        <source>NO ANSWER WITHIN %1 SECONDS</source>
        <translation>KEINE ANTWORT INNERHALB VON %1 SEKUNDEN</translation>
    </message>
    <message>
        <source>THE CONNECTION WAS CLOSED</source>
        <translation>DIE VERBINDUNG WURDE GESCHLOSSEN</translation>
    </message>
    <message>
        <source>NO RFC 2217 ANSWER WITHIN %1 SECONDS - IN RAW TCP MODE USE TCP://</source>
        <translation>KEINE RFC-2217-ANTWORT INNERHALB VON %1 SEKUNDEN - IM REINEN TCP-MODUS TCP:// VERWENDEN</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER FLOODED THE CONNECTION WITH %1 KIB OF OPTION TRAFFIC</source>
        <translation>DER GERÄTESERVER HAT DIE VERBINDUNG MIT %1 KIB OPTIONSVERKEHR ÜBERFLUTET</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER SENT MORE THAN %1 KIB THAT NO PANEL SENDS</source>
        <translation>DER GERÄTESERVER HAT MEHR ALS %1 KIB GESENDET, DIE KEIN PANEL SENDET</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER DOES NOT OFFER RFC 2217 (COM PORT CONTROL) - IN RAW TCP MODE USE TCP://</source>
        <translation>DER GERÄTESERVER BIETET KEIN RFC 2217 (COM PORT CONTROL) AN - IM REINEN TCP-MODUS TCP:// VERWENDEN</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER DID NOT SET 9600 BAUD, 8 DATA BITS, NO PARITY, 1 STOP BIT</source>
        <translation>DER GERÄTESERVER HAT 9600 BAUD, 8 DATENBITS, KEINE PARITÄT, 1 STOPPBIT NICHT EINGESTELLT</translation>
    </message>
    <message>
        <source>NO SUCH PORT - A USB ADAPTER MUST BE PLUGGED IN AND ITS DRIVER INSTALLED</source>
        <translation>SCHNITTSTELLE NICHT VORHANDEN - EIN USB-ADAPTER MUSS EINGESTECKT UND SEIN TREIBER INSTALLIERT SEIN</translation>
    </message>
    <message>
        <source>NO PORT OF THE KIND %1</source>
        <translation>KEINE SCHNITTSTELLE DER ART %1</translation>
    </message>
    <message>
        <source>NO HOST</source>
        <translation>KEIN HOST</translation>
    </message>
    <message>
        <source>%1 IS NOT AN IPV6 ADDRESS</source>
        <translation>%1 IST KEINE IPV6-ADRESSE</translation>
    </message>
    <message>
        <source>%1 IS NOT AN IPV4 ADDRESS</source>
        <translation>%1 IST KEINE IPV4-ADRESSE</translation>
    </message>
    <message>
        <source>%1 IS NOT A HOST NAME</source>
        <translation>%1 IST KEIN HOSTNAME</translation>
    </message>
    <message>
        <source>NO PORT NUMBER</source>
        <translation>KEINE PORTNUMMER</translation>
    </message>
    <message>
        <source>UNEXPECTED %1 AFTER THE HOST</source>
        <translation>UNERWARTETES %1 NACH DEM HOST</translation>
    </message>
    <message>
        <source>UNEXPECTED %1 AFTER THE PORT NUMBER</source>
        <translation>UNERWARTETES %1 NACH DER PORTNUMMER</translation>
    </message>
    <message>
        <source>%1 IS NOT A PORT NUMBER FROM 1 TO 65535</source>
        <translation>%1 IST KEINE PORTNUMMER VON 1 BIS 65535</translation>
    </message>
    <message>
        <source>NO &quot;]&quot; AFTER THE IPV6 ADDRESS</source>
        <translation>KEIN &quot;]&quot; NACH DER IPV6-ADRESSE</translation>
    </message>
    <message>
        <source>AN IPV6 ADDRESS GOES IN BRACKETS, E.G. [FE80::1]:4001</source>
        <translation>EINE IPV6-ADRESSE STEHT IN ECKIGEN KLAMMERN, Z. B. [FE80::1]:4001</translation>
    </message>
    <message>
        <source>CANNOT USE %1 AS THE PANEL&apos;S PORT: %2 - WRITE TCP://HOST:PORT OR RFC2217://HOST:PORT</source>
        <translation>%1 IST ALS SCHNITTSTELLE DES PANELS NICHT VERWENDBAR: %2 - TCP://HOST:PORT ODER RFC2217://HOST:PORT SCHREIBEN</translation>
    </message>
    <message>
        <source>CANNOT CONNECT TO %1: %2</source>
        <translation>KEINE VERBINDUNG ZU %1 MÖGLICH: %2</translation>
    </message>
</context>
</TS>
