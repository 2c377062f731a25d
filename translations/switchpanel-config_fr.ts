<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>CodePageValidator</name>
    <message>
        <source>THIS CHARACTER CANNOT BE SAVED IN A CONFIGURATION FILE (CODE PAGE %1)</source>
        <translation>CE CARACTÈRE NE PEUT PAS ÊTRE ENREGISTRÉ DANS UN FICHIER DE CONFIGURATION (PAGE DE CODE %1)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1 MODULE</source>
        <translation>%1 MODULE</translation>
    </message>
    <message>
        <source>%1 CHANNEL</source>
        <translation>%1 CANAL</translation>
    </message>
    <message>
        <source>PANEL NAME</source>
        <translation>NOM DU PANNEAU</translation>
    </message>
    <message>
        <source>%1 DESIGNATION</source>
        <translation>%1 DÉSIGNATION</translation>
    </message>
    <message>
        <source>MARVOLANTIS CONFIGURATION FILES (*.qcf)</source>
        <translation>FICHIERS DE CONFIGURATION MARVOLANTIS (*.qcf)</translation>
    </message>
    <message>
        <source>Name must be entered in PANEL NAME field</source>
        <translation>Un nom doit être saisi dans le champ NOM DU PANNEAU</translation>
    </message>
    <message>
        <source>THE CONFIGURATION FILE COULD NOT BE SAVED:
%1

%2</source>
        <translation>LE FICHIER DE CONFIGURATION N&apos;A PAS PU ÊTRE ENREGISTRÉ :
%1

%2</translation>
    </message>
    <message>
        <source>WRITE CONFIGURATION FILE</source>
        <translation>ENREGISTRER LE FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>SAVE CHANGES TO THE CONFIGURATION?</source>
        <translation>ENREGISTRER LES MODIFICATIONS DE LA CONFIGURATION ?</translation>
    </message>
    <message>
        <source>READ CONFIGURATION FILE</source>
        <translation>OUVRIR UN FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>RESTORE A BACKUP</source>
        <translation>RESTAURER UNE SAUVEGARDE</translation>
    </message>
    <message>
        <source>THE CONFIGURATION FILE COULD NOT BE OPENED:
%1

%2</source>
        <translation>LE FICHIER DE CONFIGURATION N&apos;A PAS PU ÊTRE OUVERT :
%1

%2</translation>
    </message>
    <message>
        <source>OPEN %1</source>
        <translation>OUVRIR %1</translation>
    </message>
    <message>
        <source>Swap with</source>
        <translation>Échanger avec</translation>
    </message>
    <message>
        <source>SWAP %1 WITH</source>
        <translation>ÉCHANGER %1 AVEC</translation>
    </message>
    <message>
        <source>PASTE ONTO %1</source>
        <translation>COLLER SUR %1</translation>
    </message>
    <message>
        <source>SWAP %1 AND %2</source>
        <translation>ÉCHANGER %1 ET %2</translation>
    </message>
    <message>
        <source>CLEAR %1</source>
        <translation>EFFACER %1</translation>
    </message>
    <message>
        <source>SET EMPTY ITEMS TO N/A</source>
        <translation>ÉLÉMENTS VIDES À N/A</translation>
    </message>
    <message>
        <source>TRV QLM 10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM</source>
        <translation>TRV QLM PROGRAMME DE CONFIGURATION DU PANNEAU À 10 BOUTONS</translation>
    </message>
    <message>
        <source>SWITCH PANEL PICTURE</source>
        <translation>IMAGE DU PANNEAU</translation>
    </message>
    <message>
        <source>PROGRAMMING HEADER MARKER</source>
        <translation>REPÈRE DU CONNECTEUR DE PROGRAMMATION</translation>
    </message>
    <message>
        <source>TRV 6/10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM</source>
        <translation>TRV PROGRAMME DE CONFIGURATION DU PANNEAU À 6/10 BOUTONS</translation>
    </message>
    <message>
        <source>PROGRAMMING HEADER LOCATION</source>
        <translation>POSITION DU CONNECTEUR DE PROGRAMMATION</translation>
    </message>
    <message>
        <source>BACKLIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>ENTER %1 FUNCTION</source>
        <translation>SAISIR LA FONCTION DE %1</translation>
    </message>
    <message>
        <source>%1 MODULE ASSIGNMENT</source>
        <translation>%1 AFFECTATION DU MODULE</translation>
    </message>
    <message>
        <source>%1 CHANNEL ASSIGNMENT</source>
        <translation>%1 AFFECTATION DU CANAL</translation>
    </message>
    <message>
        <source>STATUS</source>
        <translation>ÉTAT</translation>
    </message>
    <message>
        <source>ENTER IDENTITY FOR FILE NAME</source>
        <translation>SAISIR L&apos;IDENTITÉ POUR LE NOM DU FICHIER</translation>
    </message>
    <message>
        <source>SWITCH CHANNEL ASSIGNMENTS</source>
        <translation>CANAUX DES BOUTONS</translation>
    </message>
    <message>
        <source>LIGHTING CHANNEL ASSIGNMENTS</source>
        <translation>CANAUX D&apos;ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>OPEN CONFIGURATION FILE</source>
        <translation>OUVRIR LE FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>LEFT CLICK TO OPEN CONFIG FILE</source>
        <translation>CLIC GAUCHE POUR OUVRIR UN FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>SAVE CONFIGURATION FILE</source>
        <translation>ENREGISTRER LE FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>LEFT CLICK TO SAVE CONFIG FILE</source>
        <translation>CLIC GAUCHE POUR ENREGISTRER LE FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>READ CONFIGURATION FROM SWITCH PANEL</source>
        <translation>LIRE LA CONFIGURATION DU PANNEAU</translation>
    </message>
    <message>
        <source>LEFT CLICK TO READ CONFIG IN SWITCH PANEL</source>
        <translation>CLIC GAUCHE POUR LIRE LA CONFIGURATION DU PANNEAU</translation>
    </message>
    <message>
        <source>WRITE CONFIGURATION TO SWITCH PANEL</source>
        <translation>ÉCRIRE LA CONFIGURATION DANS LE PANNEAU</translation>
    </message>
    <message>
        <source>LEFT CLICK TO SAVE CONFIG IN SWITCH PANEL</source>
        <translation>CLIC GAUCHE POUR ENREGISTRER LA CONFIGURATION DANS LE PANNEAU</translation>
    </message>
    <message>
        <source>READ FROM PANEL</source>
        <translation>LECTURE DU PANNEAU</translation>
    </message>
    <message>
        <source>THE PANEL COULD NOT BE READ FOR A BACKUP (%1).

WRITE THE CONFIGURATION WITHOUT A BACKUP OF WHAT THE PANEL HOLDS?</source>
        <translation>LE PANNEAU N&apos;A PAS PU ÊTRE LU POUR LA SAUVEGARDE (%1).

ÉCRIRE LA CONFIGURATION SANS SAUVEGARDER LE CONTENU DU PANNEAU ?</translation>
    </message>
    <message>
        <source>%1 - NOTHING WAS WRITTEN</source>
        <translation>%1 - RIEN N&apos;A ÉTÉ ÉCRIT</translation>
    </message>
    <message>
        <source>SERIAL PORT</source>
        <translation>PORT SÉRIE</translation>
    </message>
    <message>
        <source>CONFIGURATION SHEET %1</source>
        <translation>FICHE DE CONFIGURATION %1</translation>
    </message>
    <message>
        <source>PRINT CONFIGURATION SHEET</source>
        <translation>IMPRIMER LA FICHE DE CONFIGURATION</translation>
    </message>
    <message>
        <source>THE CONFIGURATION SHEET COULD NOT BE PRINTED:
%1

THE PRINTER CANNOT BE USED</source>
        <translation>LA FICHE DE CONFIGURATION N&apos;A PAS PU ÊTRE IMPRIMÉE :
%1

L&apos;IMPRIMANTE N&apos;EST PAS UTILISABLE</translation>
    </message>
    <message>
        <source>EXPORT CONFIGURATION SHEET AS PDF</source>
        <translation>EXPORTER LA FICHE DE CONFIGURATION EN PDF</translation>
    </message>
    <message>
        <source>PDF FILES (*.pdf)</source>
        <translation>FICHIERS PDF (*.pdf)</translation>
    </message>
    <message>
        <source>THE CONFIGURATION SHEET COULD NOT BE SAVED:
%1

%2</source>
        <translation>LA FICHE DE CONFIGURATION N&apos;A PAS PU ÊTRE ENREGISTRÉE :
%1

%2</translation>
    </message>
    <message>
        <source>NOT SAVED</source>
        <translation>NON ENREGISTRÉ</translation>
    </message>
    <message>
        <source>SELECT THE SERIAL PORT OF THE SWITCH PANEL, OR TYPE A DEVICE SERVER&apos;S ADDRESS: TCP://HOST:PORT OR RFC2217://HOST:PORT</source>
        <translation>CHOISIR LE PORT SÉRIE DU PANNEAU, OU SAISIR L&apos;ADRESSE D&apos;UN SERVEUR DE PORTS : TCP://HÔTE:PORT OU RFC2217://HÔTE:PORT</translation>
    </message>
    <message>
        <source>COMPARE WITH CONFIGURATION FILE</source>
        <translation>COMPARER AVEC UN FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>EXPORT AS SPREADSHEET</source>
        <translation>EXPORTER EN TABLEUR</translation>
    </message>
    <message>
        <source>CSV FILES (*.csv)</source>
        <translation>FICHIERS CSV (*.csv)</translation>
    </message>
    <message>
        <source>THE SPREADSHEET COULD NOT BE SAVED:
%1

%2</source>
        <translation>LE TABLEAU N’A PAS PU ÊTRE ENREGISTRÉ :
%1

%2</translation>
    </message>
    <message>
        <source>A SPREADSHEET IS NOT SAVED AS A CONFIGURATION FILE (.qcf)</source>
        <translation>UN TABLEAU N’EST PAS ENREGISTRÉ COMME FICHIER DE CONFIGURATION (.qcf)</translation>
    </message>
    <message>
        <source>THE CONFIGURATION SHEET IS NOT SAVED INTO THIS FILE:
%1</source>
        <translation>LA FICHE DE CONFIGURATION N&apos;EST PAS ENREGISTRÉE DANS CE FICHIER :
%1</translation>
    </message>
</context>
<context>
    <name>InstallationDialog</name>
    <message>
        <source>INSTALLATION: %1</source>
        <translation>INSTALLATION : %1</translation>
    </message>
    <message>
        <source>&amp;PANELS OF %1:</source>
        <translation>&amp;PANNEAUX DE %1 :</translation>
    </message>
    <message>
        <source>PANEL</source>
        <translation>PANNEAU</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>EMPLACEMENT</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>LAST AUDIT</source>
        <translation>DERNIER AUDIT</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>DATE ET HEURE</translation>
    </message>
    <message>
        <source>DIFFERING ITEMS</source>
        <translation>ÉLÉMENTS DIFFÉRENTS</translation>
    </message>
    <message>
        <source>READING CELL %1 OF %2</source>
        <translation>LECTURE DE LA CELLULE %1 SUR %2</translation>
    </message>
    <message>
        <source>&amp;AUDIT ALL</source>
        <translation>&amp;AUDITER TOUS</translation>
    </message>
    <message>
        <source>READ EVERY PANEL THAT HAS A PORT AND COMPARE IT WITH ITS FILE</source>
        <translation>LIRE CHAQUE PANNEAU QUI A UN PORT ET LE COMPARER À SON FICHIER</translation>
    </message>
    <message>
        <source>AUDIT &amp;SELECTED</source>
        <translation>AUDITER LA &amp;SÉLECTION</translation>
    </message>
    <message>
        <source>READ THE SELECTED PANELS AND COMPARE EACH WITH ITS FILE</source>
        <translation>LIRE LES PANNEAUX SÉLECTIONNÉS ET COMPARER CHACUN À SON FICHIER</translation>
    </message>
    <message>
        <source>&amp;RESTORE SELECTED</source>
        <translation>&amp;RESTAURER LA SÉLECTION</translation>
    </message>
    <message>
        <source>WRITE ITS FILE INTO THE SELECTED PANEL, KEEPING WHAT IT HOLDS IN ITS HISTORY FIRST</source>
        <translation>ÉCRIRE SON FICHIER DANS LE PANNEAU SÉLECTIONNÉ, EN GARDANT D’ABORD CE QU’IL CONTIENT DANS SON HISTORIQUE</translation>
    </message>
    <message>
        <source>&amp;OPEN FILE IN WINDOW</source>
        <translation>&amp;OUVRIR LE FICHIER DANS LA FENÊTRE</translation>
    </message>
    <message>
        <source>OPEN THE SELECTED PANEL&apos;S FILE IN THE WINDOW</source>
        <translation>OUVRIR LE FICHIER DU PANNEAU SÉLECTIONNÉ DANS LA FENÊTRE</translation>
    </message>
    <message>
        <source>&amp;HISTORY...</source>
        <translation>&amp;HISTORIQUE...</translation>
    </message>
    <message>
        <source>WHAT THE SELECTED PANEL HELD, BY DATE; ONE CAN BE OPENED</source>
        <translation>CE QUE LE PANNEAU SÉLECTIONNÉ CONTENAIT, PAR DATE ; UNE COPIE PEUT ÊTRE OUVERTE</translation>
    </message>
    <message>
        <source>S&amp;TOP</source>
        <translation>ARRÊ&amp;TER</translation>
    </message>
    <message>
        <source>STOP AFTER THE READS IN PROGRESS</source>
        <translation>ARRÊTER APRÈS LES LECTURES EN COURS</translation>
    </message>
    <message>
        <source>&amp;CLOSE</source>
        <translation>&amp;FERMER</translation>
    </message>
    <message>
        <source>CLOSE THIS WINDOW AFTER THE READS IN PROGRESS</source>
        <translation>FERMER CETTE FENÊTRE APRÈS LES LECTURES EN COURS</translation>
    </message>
    <message>
        <source>READING</source>
        <translation>LECTURE</translation>
    </message>
    <message>
        <source>WAITING</source>
        <translation>EN ATTENTE</translation>
    </message>
    <message>
        <source>HOLDS ITS CONFIGURATION</source>
        <translation>CONTIENT SA CONFIGURATION</translation>
    </message>
    <message>
        <source>DIFFERS</source>
        <translation>DIFFÈRE</translation>
    </message>
    <message>
        <source>UNREACHABLE: %1</source>
        <translation>INJOIGNABLE : %1</translation>
    </message>
    <message>
        <source>NO FILE: %1</source>
        <translation>PAS DE FICHIER : %1</translation>
    </message>
    <message>
        <source>NO PORT</source>
        <translation>PAS DE PORT</translation>
    </message>
    <message>
        <source>HISTORY NOT KEPT: %1</source>
        <translation>HISTORIQUE NON GARDÉ : %1</translation>
    </message>
    <message>
        <source>%1 (FILE %2, PANEL %3)</source>
        <translation>%1 (FICHIER %2, PANNEAU %3)</translation>
    </message>
    <message>
        <source>PANEL %1 HAS NO PORT: CHOOSE THE PORT IT IS CONNECTED TO IN THE WINDOW</source>
        <translation>LE PANNEAU %1 N’A PAS DE PORT : CHOISISSEZ DANS LA FENÊTRE LE PORT AUQUEL IL EST RACCORDÉ</translation>
    </message>
    <message>
        <source>WRITE THE FILE %1 INTO PANEL %2 ON PORT %3?

WHAT THE PANEL HOLDS NOW IS KEPT IN ITS HISTORY FIRST.</source>
        <translation>ÉCRIRE LE FICHIER %1 DANS LE PANNEAU %2 SUR LE PORT %3 ?

CE QUE LE PANNEAU CONTIENT MAINTENANT EST D’ABORD GARDÉ DANS SON HISTORIQUE.</translation>
    </message>
    <message>
        <source>WRITING CELL %1 OF %2</source>
        <translation>ÉCRITURE DE LA CELLULE %1 SUR %2</translation>
    </message>
    <message>
        <source>RESTORING</source>
        <translation>RESTAURATION</translation>
    </message>
    <message>
        <source>RESTORE OF %1: %2</source>
        <translation>RESTAURATION DE %1 : %2</translation>
    </message>
    <message>
        <source>HISTORY OF %1</source>
        <translation>HISTORIQUE DE %1</translation>
    </message>
    <message>
        <source>NO COPY OF PANEL %1 IS KEPT YET</source>
        <translation>AUCUNE COPIE DU PANNEAU %1 N’EST ENCORE GARDÉE</translation>
    </message>
    <message>
        <source>&amp;OPEN IN WINDOW</source>
        <translation>&amp;OUVRIR DANS LA FENÊTRE</translation>
    </message>
    <message>
        <source>OPEN THIS COPY IN THE WINDOW</source>
        <translation>OUVRIR CETTE COPIE DANS LA FENÊTRE</translation>
    </message>
    <message>
        <source>CLOSING AFTER THE PANELS IN PROGRESS</source>
        <translation>FERMETURE APRÈS LES PANNEAUX EN COURS</translation>
    </message>
    <message>
        <source>STOPPING AFTER THE READS IN PROGRESS</source>
        <translation>ARRÊT APRÈS LES LECTURES EN COURS</translation>
    </message>
    <message>
        <source>AUDITING: %1 OF %2 PANELS DONE</source>
        <translation>AUDIT : %1 PANNEAUX SUR %2 TERMINÉS</translation>
    </message>
    <message>
        <source>RESTORING PANEL %1</source>
        <translation>RESTAURATION DU PANNEAU %1</translation>
    </message>
    <message>
        <source>%1 HOLD THEIR CONFIGURATION, %2 DIFFER, %3 UNREACHABLE, %4 WITHOUT FILE, %5 WITHOUT PORT</source>
        <translation>%1 CONTIENNENT LEUR CONFIGURATION, %2 DIFFÈRENT, %3 INJOIGNABLES, %4 SANS FICHIER, %5 SANS PORT</translation>
    </message>
    <message>
        <source>HISTORY NOT KEPT FOR %1 PANELS</source>
        <translation>HISTORIQUE NON GARDÉ POUR %1 PANNEAUX</translation>
    </message>
    <message>
        <source>PANELS IN THE INVENTORY: %1</source>
        <translation>PANNEAUX DE L’INVENTAIRE : %1</translation>
    </message>
    <message>
        <source>&amp;KEPT COPIES OF PANEL %1, NEWEST FIRST:</source>
        <translation>&amp;COPIES GARDÉES DU PANNEAU %1, LA PLUS RÉCENTE EN PREMIER :</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Ouvrir un fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Enregistrer la configuration dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Print configuration sheet…</source>
        <translation>&amp;Imprimer la fiche de configuration…</translation>
    </message>
    <message>
        <source>Print the configuration sheet of this configuration</source>
        <translation>Imprimer la fiche de cette configuration</translation>
    </message>
    <message>
        <source>&amp;Export configuration sheet as PDF…</source>
        <translation>E&amp;xporter la fiche de configuration en PDF…</translation>
    </message>
    <message>
        <source>Save the configuration sheet as a PDF file</source>
        <translation>Enregistrer la fiche de configuration dans un fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Refaire la modification annulée</translation>
    </message>
    <message>
        <source>&amp;Copy item</source>
        <translation>&amp;Copier l’élément</translation>
    </message>
    <message>
        <source>Copy the module, channel and designation of the item with the focus</source>
        <translation>Copier le module, le canal et la désignation de l&apos;élément actif</translation>
    </message>
    <message>
        <source>&amp;Paste item</source>
        <translation>C&amp;oller l’élément</translation>
    </message>
    <message>
        <source>Give the item with the focus the copied module, channel and designation</source>
        <translation>Donner à l&apos;élément actif le module, le canal et la désignation copiés</translation>
    </message>
    <message>
        <source>S&amp;wap with…</source>
        <translation>É&amp;changer avec…</translation>
    </message>
    <message>
        <source>Exchange the item with the focus with another item of its view</source>
        <translation>Échanger l&apos;élément actif avec un autre élément de sa vue</translation>
    </message>
    <message>
        <source>C&amp;lear item</source>
        <translation>&amp;Effacer l’élément</translation>
    </message>
    <message>
        <source>Set the item with the focus to N/A with an empty designation</source>
        <translation>Mettre l&apos;élément actif à N/A avec une désignation vide</translation>
    </message>
    <message>
        <source>Set all &amp;empty items to N/A</source>
        <translation>Mettre tous les éléments &amp;vides à N/A</translation>
    </message>
    <message>
        <source>Set every item without a module and channel to N/A</source>
        <translation>Mettre à N/A chaque élément sans module ni canal</translation>
    </message>
    <message>
        <source>&amp;Read from Panel</source>
        <translation>&amp;Lire le panneau</translation>
    </message>
    <message>
        <source>Read the configuration stored in the switch panel</source>
        <translation>Lire la configuration enregistrée dans le panneau</translation>
    </message>
    <message>
        <source>&amp;Write to Panel</source>
        <translation>Écrire dans le &amp;panneau</translation>
    </message>
    <message>
        <source>Write the configuration into the switch panel</source>
        <translation>Écrire la configuration dans le panneau</translation>
    </message>
    <message>
        <source>&amp;Compare with panel</source>
        <translation>&amp;Comparer avec le panneau</translation>
    </message>
    <message>
        <source>Mark every item in which the panel holds something else</source>
        <translation>Marquer chaque élément que le panneau contient autrement</translation>
    </message>
    <message>
        <source>Programming &amp;station…</source>
        <translation>&amp;Station de programmation…</translation>
    </message>
    <message>
        <source>Program panel after panel with this configuration</source>
        <translation>Programmer panneau après panneau avec cette configuration</translation>
    </message>
    <message>
        <source>&amp;Back up the panel before writing</source>
        <translation>Sauvegarder le panneau avant l’écrit&amp;ure</translation>
    </message>
    <message>
        <source>Read the panel first and keep what it held as a dated file</source>
        <translation>Lire d’abord le panneau et garder son contenu dans un fichier daté</translation>
    </message>
    <message>
        <source>Res&amp;tore a backup…</source>
        <translation>&amp;Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>Open a backup of a panel&apos;s earlier contents</source>
        <translation>Ouvrir une sauvegarde du contenu antérieur d’un panneau</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>How to use the program</source>
        <translation>Comment utiliser le programme</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Program name, version and licence</source>
        <translation>Nom du programme, version et licence</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Panel</source>
        <translation>&amp;Panneau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Show the window in this language from the next start</source>
        <translation>Afficher la fenêtre dans cette langue au prochain démarrage</translation>
    </message>
    <message>
        <source>The language is changed when the program is started again.</source>
        <translation>La langue change au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Configures the switches, LEDs and backlighting of the 10-button switch panel.&lt;/p&gt;&lt;p&gt;Copyright 2026 the switchpanel-config developers.&lt;br&gt;Licence: none has been chosen yet; all rights are reserved by the copyright holders.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Configure les boutons, les LED et l’éclairage du panneau à 10 boutons.&lt;/p&gt;&lt;p&gt;Copyright 2026 les développeurs de switchpanel-config.&lt;br&gt;Licence : aucune n’a encore été choisie ; tous les droits sont réservés aux titulaires du copyright.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&amp;Compare with file…</source>
        <translation>&amp;Comparer avec un fichier…</translation>
    </message>
    <message>
        <source>Mark every item in which a configuration file holds something else</source>
        <translation>Marquer chaque élément qu’un fichier de configuration contient autrement</translation>
    </message>
    <message>
        <source>Export as sprea&amp;dsheet…</source>
        <translation>Exporter en &amp;tableur…</translation>
    </message>
    <message>
        <source>Save the configuration as a CSV file, one row per item</source>
        <translation>Enregistrer la configuration dans un fichier CSV, une ligne par élément</translation>
    </message>
    <message>
        <source>Open &amp;installation…</source>
        <translation>Ouvrir une i&amp;nstallation…</translation>
    </message>
    <message>
        <source>Audit, restore and look back on every panel of a site&apos;s inventory</source>
        <translation>Auditer, restaurer et retracer chaque panneau de l’inventaire d’un site</translation>
    </message>
    <message>
        <source>OPEN INSTALLATION</source>
        <translation>OUVRIR UNE INSTALLATION</translation>
    </message>
    <message>
        <source>INVENTORIES (*.csv);;ALL FILES (*)</source>
        <translation>INVENTAIRES (*.csv);;TOUS LES FICHIERS (*)</translation>
    </message>
    <message>
        <source>LINE %1, COLUMN %2</source>
        <translation>LIGNE %1, COLONNE %2</translation>
    </message>
    <message>
        <source>LINE %1</source>
        <translation>LIGNE %1</translation>
    </message>
    <message>
        <source>THE INVENTORY CANNOT BE USED:
%1

%2: %3</source>
        <translation>L’INVENTAIRE NE PEUT PAS ÊTRE UTILISÉ :
%1

%2 : %3</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Assign&lt;/b&gt; each switch, LED and the backlighting a module (A to P) and a channel (1 to 10), or N/A, in the two views; type a designation for each switch and LED and a panel name.&lt;/p&gt;&lt;p&gt;&lt;b&gt;WRITE CONFIGURATION TO SWITCH PANEL&lt;/b&gt; programs the panel on the serial port chosen under it (or behind the device server typed there, tcp://HOST:PORT or rfc2217://HOST:PORT) and reads every cell back. Before it writes, it keeps what the panel held in the backup folder (Panel &amp;gt; Back up the panel before writing); Panel &amp;gt; Restore a backup… opens one.&lt;/p&gt;&lt;p&gt;&lt;b&gt;READ CONFIGURATION FROM SWITCH PANEL&lt;/b&gt; shows what a panel holds. &lt;b&gt;SAVE&lt;/b&gt; and &lt;b&gt;OPEN CONFIGURATION FILE&lt;/b&gt; keep configurations in .qcf files. Edit &amp;gt; Undo takes back any change, an open or a read included; Edit also copies, pastes, swaps and clears items. Panel &amp;gt; Compare with panel outlines every item the panel holds otherwise, File &amp;gt; Compare with file… every item a file holds otherwise; File &amp;gt; Export as spreadsheet… writes a CSV file to edit in a spreadsheet and bring back with &lt;tt&gt;--import-csv&lt;/tt&gt;; File &amp;gt; Print configuration sheet… documents a panel; Panel &amp;gt; Programming station… programs panel after panel. File &amp;gt; Open installation… audits every panel of a site&apos;s inventory (a CSV file with the columns panel, location, port and file) against its file, keeps what each panel held in its history, and restores a panel by name.&lt;/p&gt;&lt;p&gt;Backups: %1&lt;br&gt;The whole manual: &lt;tt&gt;man switchpanel-config&lt;/tt&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Affectez&lt;/b&gt; à chaque bouton, à chaque LED et à l’éclairage un module (A à P) et un canal (1 à 10), ou N/A, dans les deux vues ; saisissez une désignation pour chaque bouton et chaque LED et un nom de panneau.&lt;/p&gt;&lt;p&gt;&lt;b&gt;ÉCRIRE LA CONFIGURATION DANS LE PANNEAU&lt;/b&gt; programme le panneau sur le port série choisi en dessous (ou derrière le serveur de ports saisi là, tcp://HÔTE:PORT ou rfc2217://HÔTE:PORT) et relit chaque cellule. Avant d’écrire, le contenu du panneau est gardé dans le dossier des sauvegardes (Panneau &amp;gt; Sauvegarder le panneau avant l’écriture) ; Panneau &amp;gt; Restaurer une sauvegarde… en ouvre une.&lt;/p&gt;&lt;p&gt;&lt;b&gt;LIRE LA CONFIGURATION DU PANNEAU&lt;/b&gt; montre ce que contient un panneau. &lt;b&gt;ENREGISTRER&lt;/b&gt; et &lt;b&gt;OUVRIR LE FICHIER DE CONFIGURATION&lt;/b&gt; gardent les configurations dans des fichiers .qcf. Édition &amp;gt; Annuler défait toute modification, y compris une ouverture ou une lecture ; Édition copie, colle, échange et efface aussi des éléments. Panneau &amp;gt; Comparer avec le panneau entoure chaque élément que le panneau contient autrement, Fichier &amp;gt; Comparer avec un fichier… chaque élément qu’un fichier contient autrement ; Fichier &amp;gt; Exporter en tableur… écrit un fichier CSV à modifier dans un tableur et à reprendre avec &lt;tt&gt;--import-csv&lt;/tt&gt; ; Fichier &amp;gt; Imprimer la fiche de configuration… documente un panneau ; Panneau &amp;gt; Station de programmation… programme panneau après panneau. Fichier &amp;gt; Ouvrir une installation… audite chaque panneau de l’inventaire d’un site (un fichier CSV aux colonnes panel, location, port et file) par rapport à son fichier, garde dans son historique ce que chaque panneau contenait, et restaure un panneau par son nom.&lt;/p&gt;&lt;p&gt;Sauvegardes : %1&lt;br&gt;Le manuel complet (en anglais) : &lt;tt&gt;man switchpanel-config&lt;/tt&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>THE INVENTORY CANNOT BE USED:
%1

%2</source>
        <translation>L’INVENTAIRE NE PEUT PAS ÊTRE UTILISÉ :
%1

%2</translation>
    </message>
</context>
<context>
    <name>StationDialog</name>
    <message>
        <source>PROGRAMMING STATION</source>
        <translation>STATION DE PROGRAMMATION</translation>
    </message>
    <message>
        <source>&amp;REPORT FILE:</source>
        <translation>FICHIER &amp;RAPPORT :</translation>
    </message>
    <message>
        <source>REPORT FILE</source>
        <translation>FICHIER RAPPORT</translation>
    </message>
    <message>
        <source>CSV FILE THAT GETS ONE ROW PER PANEL; EMPTY FOR NO REPORT</source>
        <translation>FICHIER CSV AVEC UNE LIGNE PAR PANNEAU ; VIDE POUR AUCUN RAPPORT</translation>
    </message>
    <message>
        <source>C&amp;HOOSE...</source>
        <translation>C&amp;HOISIR...</translation>
    </message>
    <message>
        <source>CHOOSE THE REPORT FILE</source>
        <translation>CHOISIR LE FICHIER RAPPORT</translation>
    </message>
    <message>
        <source>NO PANEL PROGRAMMED YET</source>
        <translation>AUCUN PANNEAU PROGRAMMÉ</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;DÉMARRER</translation>
    </message>
    <message>
        <source>S&amp;TOP</source>
        <translation>&amp;ARRÊTER</translation>
    </message>
    <message>
        <source>&amp;CLOSE</source>
        <translation>&amp;FERMER</translation>
    </message>
    <message>
        <source>STOP THE STATION AND CLOSE THIS WINDOW</source>
        <translation>ARRÊTER LA STATION ET FERMER CETTE FENÊTRE</translation>
    </message>
    <message>
        <source>CSV FILES (*.csv)</source>
        <translation>FICHIERS CSV (*.csv)</translation>
    </message>
    <message>
        <source>THE REPORT FILE CANNOT BE WRITTEN: %1</source>
        <translation>LE FICHIER RAPPORT NE PEUT PAS ÊTRE ÉCRIT : %1</translation>
    </message>
    <message>
        <source>PROGRAMMED</source>
        <translation>PROGRAMMÉS</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>EN ÉCHEC</translation>
    </message>
    <message>
        <source>PANEL %1: %2</source>
        <translation>PANNEAU %1 : %2</translation>
    </message>
    <message>
        <source>PANEL %1: %2 AT %3</source>
        <translation>PANNEAU %1 : %2 À %3</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ARRÊTÉE</translation>
    </message>
    <message>
        <source>PRESS START, THEN CONNECT THE PANELS ONE AFTER THE OTHER</source>
        <translation>APPUYER SUR DÉMARRER, PUIS BRANCHER LES PANNEAUX L&apos;UN APRÈS L&apos;AUTRE</translation>
    </message>
    <message>
        <source>WAITING FOR A PANEL ON %1</source>
        <translation>EN ATTENTE D’UN PANNEAU SUR %1</translation>
    </message>
    <message>
        <source>STOPPING AFTER THIS PANEL</source>
        <translation>ARRÊT APRÈS CE PANNEAU</translation>
    </message>
    <message>
        <source>PROGRAMMING PANEL %1</source>
        <translation>PROGRAMMATION DU PANNEAU %1</translation>
    </message>
    <message>
        <source>DISCONNECT THE PANEL</source>
        <translation>DÉBRANCHER LE PANNEAU</translation>
    </message>
    <message>
        <source>CONFIGURATION: %1</source>
        <translation>CONFIGURATION : %1</translation>
    </message>
    <message>
        <source>&amp;PORTS:</source>
        <translation>&amp;PORTS :</translation>
    </message>
    <message>
        <source>PORTS</source>
        <translation>PORTS</translation>
    </message>
    <message>
        <source>TICK EVERY PORT A PANEL IS CONNECTED TO: EACH PORT IS PROGRAMMED AT THE SAME TIME AS THE OTHERS</source>
        <translation>COCHER CHAQUE PORT OÙ UN PANNEAU EST BRANCHÉ : TOUS LES PORTS SONT PROGRAMMÉS EN MÊME TEMPS</translation>
    </message>
    <message>
        <source>&amp;OTHER PORT:</source>
        <translation>&amp;AUTRE PORT :</translation>
    </message>
    <message>
        <source>OTHER PORT</source>
        <translation>AUTRE PORT</translation>
    </message>
    <message>
        <source>TYPE A PORT THE LIST DOES NOT OFFER, THEN ADD IT</source>
        <translation>SAISIR UN PORT QUE LA LISTE N&apos;OFFRE PAS, PUIS L&apos;AJOUTER</translation>
    </message>
    <message>
        <source>&amp;ADD</source>
        <translation>A&amp;JOUTER</translation>
    </message>
    <message>
        <source>ADD THE TYPED PORT TO THE LIST, TICKED</source>
        <translation>AJOUTER LE PORT SAISI À LA LISTE, COCHÉ</translation>
    </message>
    <message>
        <source>PROGRAM EVERY PANEL CONNECTED TO THE TICKED PORTS, ONE AFTER THE OTHER ON EACH PORT</source>
        <translation>PROGRAMMER CHAQUE PANNEAU BRANCHÉ SUR LES PORTS COCHÉS, L&apos;UN APRÈS L&apos;AUTRE SUR CHAQUE PORT</translation>
    </message>
    <message>
        <source>STOP AFTER THE PANELS IN PROGRESS</source>
        <translation>ARRÊTER APRÈS LES PANNEAUX EN COURS</translation>
    </message>
    <message>
        <source>TICK THE PORTS THE PANELS ARE CONNECTED TO</source>
        <translation>COCHER LES PORTS OÙ LES PANNEAUX SONT BRANCHÉS</translation>
    </message>
    <message>
        <source>PROGRAMMING PANEL %1: WRITING CELL %2 OF %3</source>
        <translation>PROGRAMMATION DU PANNEAU %1 : CELLULE %2 SUR %3</translation>
    </message>
    <message>
        <source>PORT MISSING: %1</source>
        <translation>PORT ABSENT : %1</translation>
    </message>
    <message>
        <source>PROGRAMMED %1   FAILED %2</source>
        <translation>PROGRAMMÉS %1   EN ÉCHEC %2</translation>
    </message>
    <message>
        <source>STOPPING AFTER THE PANELS IN PROGRESS</source>
        <translation>ARRÊT APRÈS LES PANNEAUX EN COURS</translation>
    </message>
    <message>
        <source>RUNNING ON 1 PORT</source>
        <translation>EN MARCHE SUR 1 PORT</translation>
    </message>
    <message>
        <source>RUNNING ON %1 PORTS</source>
        <translation>EN MARCHE SUR %1 PORTS</translation>
    </message>
    <message>
        <source>THE REPORT IS NOT WRITTEN INTO THIS FILE:
%1</source>
        <translation>LE RAPPORT N&apos;EST PAS ÉCRIT DANS CE FICHIER :
%1</translation>
    </message>
</context>
<context>
    <name>configsheet</name>
    <message>
        <source>SWITCH PANEL CONFIGURATION SHEET</source>
        <translation>FICHE DE CONFIGURATION DU PANNEAU</translation>
    </message>
    <message>
        <source>PANEL NAME: %1</source>
        <translation>NOM DU PANNEAU : %1</translation>
    </message>
    <message>
        <source>DATE: %1</source>
        <translation>DATE : %1</translation>
    </message>
    <message>
        <source>NOT SAVED</source>
        <translation>NON ENREGISTRÉ</translation>
    </message>
    <message>
        <source>FILE: %1</source>
        <translation>FICHIER : %1</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>INCOMPLET</translation>
    </message>
    <message>
        <source>MODULE %1</source>
        <translation>MODULE %1</translation>
    </message>
    <message>
        <source>CHANNEL %1</source>
        <translation>CANAL %1</translation>
    </message>
    <message>
        <source>ITEM</source>
        <translation>ÉLÉMENT</translation>
    </message>
    <message>
        <source>MODULE</source>
        <translation>MODULE</translation>
    </message>
    <message>
        <source>CHANNEL</source>
        <translation>CANAL</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>DESIGNATION</source>
        <translation>DÉSIGNATION</translation>
    </message>
    <message>
        <source>SWITCH CHANNEL ASSIGNMENTS</source>
        <translation>CANAUX DES BOUTONS</translation>
    </message>
    <message>
        <source>LIGHTING CHANNEL ASSIGNMENTS</source>
        <translation>CANAUX D&apos;ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>CONFIGURATION SHEET %1</source>
        <translation>FICHE DE CONFIGURATION %1</translation>
    </message>
</context>
<context>
    <name>statustext</name>
    <message>
        <source>STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION</source>
        <translation>DÉBUT DE LA COMMUNICATION POUR LIRE LA CONFIGURATION DU PANNEAU</translation>
    </message>
    <message>
        <source>STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION</source>
        <translation>DÉBUT DE LA COMMUNICATION POUR ÉCRIRE LA CONFIGURATION DU PANNEAU</translation>
    </message>
    <message>
        <source>READING THE PANEL BEFORE WRITING</source>
        <translation>LECTURE DU PANNEAU AVANT ÉCRITURE</translation>
    </message>
    <message>
        <source>SWITCH PANEL HAS BEEN PROGRAMMED</source>
        <translation>LE PANNEAU A ÉTÉ PROGRAMMÉ</translation>
    </message>
    <message>
        <source>SWITCH PANEL DATA READ SUCCESSFUL</source>
        <translation>DONNÉES DU PANNEAU LUES AVEC SUCCÈS</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND</source>
        <translation>ÉCHEC DE COMMUNICATION : LE PANNEAU NE RÉPOND PAS</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA</source>
        <translation>ÉCHEC DE COMMUNICATION : DONNÉES DU PANNEAU ERRONÉES</translation>
    </message>
    <message>
        <source>COMMUNICATIONS OK</source>
        <translation>COMMUNICATION OK</translation>
    </message>
    <message>
        <source>NOT ACKNOWLEDGED</source>
        <translation>NON ACQUITTÉ</translation>
    </message>
    <message>
        <source>COMMUNICATIONS CORRUPTED</source>
        <translation>COMMUNICATION ALTÉRÉE</translation>
    </message>
    <message>
        <source>DATA FAILED TO VERIFY</source>
        <translation>VÉRIFICATION DES DONNÉES ÉCHOUÉE</translation>
    </message>
    <message>
        <source>ERROR - DATA OUT OF RANGE</source>
        <translation>ERREUR - DONNÉES HORS PLAGE</translation>
    </message>
    <message>
        <source>DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA</source>
        <translation>LES DONNÉES DE TOUS LES BOUTONS DOIVENT ÊTRE SAISIES (CLIQUÉES) AVANT L’ÉCRITURE</translation>
    </message>
    <message>
        <source>DATA MUST BE ENTERED (CLICKED) FOR ALL LED&apos;S AND BACKLIGHTING BEFORE WRITING DATA</source>
        <translation>LES DONNÉES DE TOUTES LES LED ET DE L’ÉCLAIRAGE DOIVENT ÊTRE SAISIES (CLIQUÉES) AVANT L’ÉCRITURE</translation>
    </message>
    <message>
        <source>DATA MUST BE ENTERED (CLICKED) FOR ALL LED&apos;s AND BACKLIGHTING BEFORE WRITING DATA</source>
        <translation>LES DONNÉES DE TOUTES LES LED ET DE L’ÉCLAIRAGE DOIVENT ÊTRE SAISIES (CLIQUÉES) AVANT L’ENREGISTREMENT</translation>
    </message>
    <message>
        <source>PANEL HOLDS THIS CONFIGURATION</source>
        <translation>LE PANNEAU CONTIENT CETTE CONFIGURATION</translation>
    </message>
    <message>
        <source>CANNOT OPEN SERIAL PORT %1 - %2</source>
        <translation>IMPOSSIBLE D&apos;OUVRIR LE PORT SÉRIE %1 - %2</translation>
    </message>
    <message>
        <source>NO SUCH DEVICE</source>
        <translation>PÉRIPHÉRIQUE INEXISTANT</translation>
    </message>
    <message>
        <source>IT IS ALREADY OPEN</source>
        <translation>IL EST DÉJÀ OUVERT</translation>
    </message>
    <message>
        <source>IT IS IN USE BY ANOTHER PROGRAM</source>
        <translation>UN AUTRE PROGRAMME L’UTILISE</translation>
    </message>
    <message>
        <source>PERMISSION DENIED: THE USER MUST BE IN GROUP &quot;%1&quot;</source>
        <translation>ACCÈS REFUSÉ : L’UTILISATEUR DOIT ÊTRE DANS LE GROUPE « %1 »</translation>
    </message>
    <message>
        <source>PERMISSION DENIED: ONLY ITS OWNER &quot;%1&quot; MAY OPEN IT - GIVE THE DEVICE TO A GROUP THE USER IS IN WITH A UDEV RULE (GROUP &quot;dialout&quot;, MODE 0660), OR ASK AN ADMINISTRATOR</source>
        <translation>ACCÈS REFUSÉ : SEUL SON PROPRIÉTAIRE « %1 » PEUT L’OUVRIR - DONNER LE PÉRIPHÉRIQUE À UN GROUPE DE L’UTILISATEUR PAR UNE RÈGLE UDEV (GROUP &quot;dialout&quot;, MODE 0660), OU DEMANDER À UN ADMINISTRATEUR</translation>
    </message>
    <message>
        <source>THE BACKUP FOLDER %1 CANNOT BE CREATED</source>
        <translation>LE DOSSIER DE SAUVEGARDE %1 NE PEUT PAS ÊTRE CRÉÉ</translation>
    </message>
    <message>
        <source>THE BACKUP %1 COULD NOT BE SAVED: %2</source>
        <translation>LA SAUVEGARDE %1 N&apos;A PAS PU ÊTRE ENREGISTRÉE : %2</translation>
    </message>
    <message>
        <source>THE TRAFFIC LOG %1 COULD NOT BE WRITTEN (%2); THE PANEL COMMAND WENT ON WITHOUT IT</source>
        <translation>LE JOURNAL DES ÉCHANGES %1 N&apos;A PAS PU ÊTRE ÉCRIT (%2) ; LA COMMANDE DU PANNEAU A CONTINUÉ SANS LUI</translation>
    </message>
    <message>
        <source>NO FILE NAME GIVEN</source>
        <translation>AUCUN NOM DE FICHIER INDIQUÉ</translation>
    </message>
    <message>
        <source>THE FOLDER %1 DOES NOT EXIST</source>
        <translation>LE DOSSIER %1 N&apos;EXISTE PAS</translation>
    </message>
    <message>
        <source>THE FOLDER %1 CANNOT BE WRITTEN</source>
        <translation>LE DOSSIER %1 NE PEUT PAS ÊTRE ÉCRIT</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A CONFIGURATION FILE</source>
        <translation>C&apos;EST UN DOSSIER, PAS UN FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A CONFIGURATION FILE</source>
        <translation>C&apos;EST UN PÉRIPHÉRIQUE, UN TUBE OU UNE SOCKET, PAS UN FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A PDF FILE</source>
        <translation>C&apos;EST UN DOSSIER, PAS UN FICHIER PDF</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A PDF FILE</source>
        <translation>C&apos;EST UN PÉRIPHÉRIQUE, UN TUBE OU UNE SOCKET, PAS UN FICHIER PDF</translation>
    </message>
    <message>
        <source>THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE</source>
        <translation>LE FICHIER EST TROP GRAND POUR ÊTRE UN FICHIER DE CONFIGURATION</translation>
    </message>
    <message>
        <source>FIELD %1 HOLDS THE CODE %2, WHICH IS NOT AN ASSIGNMENT</source>
        <translation>LE CHAMP %1 CONTIENT LE CODE %2, QUI N&apos;EST PAS UNE AFFECTATION</translation>
    </message>
    <message>
        <source>THE FILE ENDS BEFORE FIELD %1 OF %2 IS COMPLETE</source>
        <translation>LE FICHIER SE TERMINE AVANT LA FIN DU CHAMP %1 SUR %2</translation>
    </message>
    <message>
        <source>FIELD %1 HOLDS A NUMBER OUTSIDE -32768 TO 32767</source>
        <translation>LE CHAMP %1 CONTIENT UN NOMBRE HORS DE -32768 À 32767</translation>
    </message>
    <message>
        <source>THE FILE WOULD BE LARGER THAN %1 KIB, TOO LARGE TO BE OPENED AGAIN: SHORTEN THE PANEL NAME OR THE DESIGNATIONS</source>
        <translation>LE FICHIER DÉPASSERAIT %1 KIO ET NE POURRAIT PLUS ÊTRE OUVERT : RACCOURCIR LE NOM DU PANNEAU OU LES DÉSIGNATIONS</translation>
    </message>
    <message>
        <source>WRITE FAILED</source>
        <translation>ÉCHEC DE L&apos;ÉCRITURE</translation>
    </message>
    <message>
        <source>NOT A REGULAR FILE</source>
        <translation>CE N&apos;EST PAS UN FICHIER ORDINAIRE</translation>
    </message>
    <message>
        <source>PANEL HOLDS %1</source>
        <translation>LE PANNEAU CONTIENT %1</translation>
    </message>
    <message>
        <source>PANEL DIFFERS IN 1 ITEM: %1</source>
        <translation>LE PANNEAU DIFFÈRE POUR 1 ÉLÉMENT : %1</translation>
    </message>
    <message>
        <source>PANEL DIFFERS IN %1 ITEMS: %2</source>
        <translation>LE PANNEAU DIFFÈRE POUR %1 ÉLÉMENTS : %2</translation>
    </message>
    <message>
        <source>%1 AND %2</source>
        <translation>%1 ET %2</translation>
    </message>
    <message>
        <source>SAME CHANNEL AS %1</source>
        <translation>MÊME CANAL QUE %1</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - %1 - %2 OF 21 CELLS WRITTEN</source>
        <translation>ÉCHEC DE COMMUNICATION : DONNÉES DU PANNEAU ERRONÉES - %1 - %2 CELLULES SUR 21 ÉCRITES</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - %1</source>
        <translation>ÉCHEC DE COMMUNICATION : DONNÉES DU PANNEAU ERRONÉES - %1</translation>
    </message>
    <message>
        <source>COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND - %1</source>
        <translation>ÉCHEC DE COMMUNICATION : LE PANNEAU NE RÉPOND PAS - %1</translation>
    </message>
    <message>
        <source>SERIAL PORT %1 LOST</source>
        <translation>PORT SÉRIE %1 PERDU</translation>
    </message>
    <message>
        <source>SERIAL PORT %1 LOST: %2</source>
        <translation>PORT SÉRIE %1 PERDU : %2</translation>
    </message>
    <message>
        <source>CONNECTION TO %1 LOST: %2</source>
        <translation>CONNEXION À %1 PERDUE : %2</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER CLOSED THE CONNECTION</source>
        <translation>LE SERVEUR DE PÉRIPHÉRIQUES A FERMÉ LA CONNEXION</translation>
    </message>
    <message>
        <source>THE CONNECTION WAS RESET</source>
        <translation>LA CONNEXION A ÉTÉ RÉINITIALISÉE</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER STOPPED READING</source>
        <translation>LE SERVEUR DE PÉRIPHÉRIQUES NE LIT PLUS</translation>
    </message>
    <message>
        <source>FILE HOLDS DESIGNATION %1</source>
        <translation>LE FICHIER CONTIENT LA DÉSIGNATION %1</translation>
    </message>
    <message>
        <source>FILE HOLDS %1</source>
        <translation>LE FICHIER CONTIENT %1</translation>
    </message>
    <message>
        <source>FILE HOLDS THIS CONFIGURATION</source>
        <translation>LE FICHIER CONTIENT CETTE CONFIGURATION</translation>
    </message>
    <message>
        <source>FILE DIFFERS IN THE PANEL NAME</source>
        <translation>LE FICHIER DIFFÈRE PAR LE NOM DU PANNEAU</translation>
    </message>
    <message>
        <source>FILE DIFFERS IN 1 ITEM: %1</source>
        <translation>LE FICHIER DIFFÈRE EN 1 ÉLÉMENT : %1</translation>
    </message>
    <message>
        <source>FILE DIFFERS IN %1 ITEMS: %2</source>
        <translation>LE FICHIER DIFFÈRE EN %1 ÉLÉMENTS : %2</translation>
    </message>
    <message>
        <source>PANEL NAME: %1 -&gt; %2</source>
        <translation>NOM DU PANNEAU : %1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1 DESIGNATION: %2 -&gt; %3</source>
        <translation>%1 DÉSIGNATION : %2 -&gt; %3</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A CSV FILE</source>
        <translation>C’EST UN DOSSIER, PAS UN FICHIER CSV</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A CSV FILE</source>
        <translation>C’EST UN PÉRIPHÉRIQUE, UN TUBE OU UNE SOCKET, PAS UN FICHIER CSV</translation>
    </message>
    <message>
        <source>THE PORT STOPPED SENDING</source>
        <translation>LE PORT N&apos;ENVOIE PLUS</translation>
    </message>
    <message>
        <source>FIELD %1 HOLDS NO NUMBER: IT IS EMPTY</source>
        <translation>LE CHAMP %1 NE CONTIENT AUCUN NOMBRE : IL EST VIDE</translation>
    </message>
    <message>
        <source>%1 IS A LINK TO %2, WHICH IS NAMED AS A CONFIGURATION FILE (.QCF).</source>
        <translation>%1 EST UN LIEN VERS %2, NOMMÉ COMME UN FICHIER DE CONFIGURATION (.QCF).</translation>
    </message>
    <message>
        <source>%1 IS NAMED AS A CONFIGURATION FILE (.QCF).</source>
        <translation>%1 EST NOMMÉ COMME UN FICHIER DE CONFIGURATION (.QCF).</translation>
    </message>
    <message>
        <source>%1 IS A LINK TO %2, WHICH IS A CONFIGURATION FILE.</source>
        <translation>%1 EST UN LIEN VERS %2, QUI EST UN FICHIER DE CONFIGURATION.</translation>
    </message>
    <message>
        <source>%1 IS A CONFIGURATION FILE.</source>
        <translation>%1 EST UN FICHIER DE CONFIGURATION.</translation>
    </message>
    <message>
        <source>A CONFIGURATION FILE IS NEVER OVERWRITTEN WITH ANOTHER KIND OF FILE. CHOOSE ANOTHER FILE.</source>
        <translation>UN FICHIER DE CONFIGURATION N&apos;EST JAMAIS REMPLACÉ PAR UN FICHIER D&apos;UNE AUTRE SORTE. CHOISIR UN AUTRE FICHIER.</translation>
    </message>
    <message>
        <source>%1 - PORTS FOUND: %2</source>
        <translation>%1 - PORTS TROUVÉS : %2</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT A BACKUP FILE</source>
        <translation>C&apos;EST UN DOSSIER, PAS UN FICHIER DE SAUVEGARDE</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT A BACKUP FILE</source>
        <translation>C&apos;EST UN PÉRIPHÉRIQUE, UN TUBE OU UNE SOCKET, PAS UN FICHIER DE SAUVEGARDE</translation>
    </message>
    <message>
        <source>THE SHEET COULD NOT BE DRAWN</source>
        <translation>LA FICHE N&apos;A PAS PU ÊTRE DESSINÉE</translation>
    </message>
    <message>
        <source>THE BACKUP %1 IS NOT IN THE BACKUP FOLDER AFTER SAVING IT: THE FOLDER CANNOT BE TRUSTED</source>
        <translation>LA SAUVEGARDE %1 N&apos;EST PAS DANS LE DOSSIER DE SAUVEGARDE APRÈS SON ENREGISTREMENT : LE DOSSIER N&apos;EST PAS FIABLE</translation>
    </message>
    <message>
        <source>THE PANEL COULD NOT BE READ FOR A BACKUP (%1), NOTHING WAS WRITTEN</source>
        <translation>LE PANNEAU N&apos;A PAS PU ÊTRE LU POUR LA SAUVEGARDE (%1), RIEN N&apos;A ÉTÉ ÉCRIT</translation>
    </message>
    <message>
        <source>%1, NOTHING WAS WRITTEN</source>
        <translation>%1, RIEN N&apos;A ÉTÉ ÉCRIT</translation>
    </message>
    <message>
        <source>THE REPORT ENDED IN A TORN ROW; ITS LAST %1 BYTES, WITHOUT A LINE END, WERE CUT OFF</source>
        <translation>LE RAPPORT SE TERMINAIT PAR UNE LIGNE TRONQUÉE ; SES %1 DERNIERS OCTETS, SANS FIN DE LIGNE, ONT ÉTÉ SUPPRIMÉS</translation>
    </message>
    <message>
        <source>THE INVENTORY NAMES NO FILE</source>
        <translation>L’INVENTAIRE NE NOMME AUCUN FICHIER</translation>
    </message>
    <message>
        <source>THE FILE DOES NOT EXIST</source>
        <translation>LE FICHIER N’EXISTE PAS</translation>
    </message>
    <message>
        <source>IT IS A FOLDER, NOT AN INVENTORY</source>
        <translation>C’EST UN DOSSIER, PAS UN INVENTAIRE</translation>
    </message>
    <message>
        <source>IT IS A DEVICE, PIPE OR SOCKET, NOT AN INVENTORY</source>
        <translation>C’EST UN PÉRIPHÉRIQUE, UN TUBE OU UNE SOCKET, PAS UN INVENTAIRE</translation>
    </message>
    <message>
        <source>THE FILE IS LARGER THAN %1 MIB, TOO LARGE FOR AN INVENTORY</source>
        <translation>LE FICHIER DÉPASSE %1 MIO, TROP GRAND POUR UN INVENTAIRE</translation>
    </message>
    <message>
        <source>IT IS NOT A TEXT FILE (IT HOLDS A NUL BYTE), NOT AN INVENTORY</source>
        <translation>CE N’EST PAS UN FICHIER TEXTE (IL CONTIENT UN OCTET NUL), PAS UN INVENTAIRE</translation>
    </message>
    <message>
        <source>A QUOTE OPENED ON LINE %1 IS NEVER CLOSED</source>
        <translation>UN GUILLEMET OUVERT À LA LIGNE %1 N’EST JAMAIS FERMÉ</translation>
    </message>
    <message>
        <source>TEXT AFTER THE CLOSING QUOTE OF A FIELD</source>
        <translation>DU TEXTE APRÈS LE GUILLEMET FERMANT D’UN CHAMP</translation>
    </message>
    <message>
        <source>THE INVENTORY IS EMPTY: ITS FIRST LINE NAMES THE COLUMNS panel, location, port AND file</source>
        <translation>L’INVENTAIRE EST VIDE : SA PREMIÈRE LIGNE NOMME LES COLONNES panel, location, port ET file</translation>
    </message>
    <message>
        <source>THE COLUMN %1 IS NAMED TWICE (ALSO COLUMN %2)</source>
        <translation>LA COLONNE %1 EST NOMMÉE DEUX FOIS (AUSSI COLONNE %2)</translation>
    </message>
    <message>
        <source>NO COLUMN NAMED %1: THE FIRST LINE NAMES THE COLUMNS panel, location, port AND file</source>
        <translation>AUCUNE COLONNE NOMMÉE %1 : LA PREMIÈRE LIGNE NOMME LES COLONNES panel, location, port ET file</translation>
    </message>
    <message>
        <source>THE ROW HAS %1 FIELDS, THE HEADER %2</source>
        <translation>LA LIGNE A %1 CHAMPS, L’EN-TÊTE %2</translation>
    </message>
    <message>
        <source>THE PANEL NAME IS EMPTY</source>
        <translation>LE NOM DU PANNEAU EST VIDE</translation>
    </message>
    <message>
        <source>THE PANEL NAME &quot;%1&quot; IS ALSO ON LINE %2 (NAMES ARE COMPARED WITHOUT REGARD TO CASE)</source>
        <translation>LE NOM DU PANNEAU &quot;%1&quot; EST AUSSI À LA LIGNE %2 (LES NOMS SONT COMPARÉS SANS TENIR COMPTE DE LA CASSE)</translation>
    </message>
    <message>
        <source>THE PORT %1 IS ALSO THE PORT OF &quot;%2&quot; ON LINE %3</source>
        <translation>LE PORT %1 EST AUSSI LE PORT DE &quot;%2&quot; À LA LIGNE %3</translation>
    </message>
    <message>
        <source>THE PORT %1 IS THE PORT %2 OF &quot;%3&quot; ON LINE %4</source>
        <translation>LE PORT %1 EST LE PORT %2 DE &quot;%3&quot; À LA LIGNE %4</translation>
    </message>
    <message>
        <source>%1 IS A SYMBOLIC LINK; HISTORY IS KEPT ONLY IN A FOLDER OF ITS OWN</source>
        <translation>%1 EST UN LIEN SYMBOLIQUE ; L’HISTORIQUE N’EST GARDÉ QUE DANS UN DOSSIER À LUI</translation>
    </message>
    <message>
        <source>%1 IS NOT A FOLDER</source>
        <translation>%1 N’EST PAS UN DOSSIER</translation>
    </message>
    <message>
        <source>THE HISTORY FOLDER %1 CANNOT BE CREATED</source>
        <translation>LE DOSSIER D’HISTORIQUE %1 NE PEUT PAS ÊTRE CRÉÉ</translation>
    </message>
    <message>
        <source>THE HISTORY FOLDER %1 CANNOT BE WRITTEN: %2</source>
        <translation>LE DOSSIER D’HISTORIQUE %1 NE PEUT PAS ÊTRE ÉCRIT : %2</translation>
    </message>
    <message>
        <source>A COPY COULD NOT BE WRITTEN IN %1: %2</source>
        <translation>UNE COPIE N’A PAS PU ÊTRE ÉCRITE DANS %1 : %2</translation>
    </message>
    <message>
        <source>THE COPY %1 COULD NOT BE MADE: %2</source>
        <translation>LA COPIE %1 N’A PAS PU ÊTRE CRÉÉE : %2</translation>
    </message>
    <message>
        <source>TOO MANY COPIES IN %1 FOR ONE SECOND</source>
        <translation>TROP DE COPIES DANS %1 POUR UNE MÊME SECONDE</translation>
    </message>
    <message>
        <source>NO PORT: THE INVENTORY GIVES &quot;%1&quot; NO PORT</source>
        <translation>PAS DE PORT : L’INVENTAIRE NE DONNE AUCUN PORT À &quot;%1&quot;</translation>
    </message>
    <message>
        <source>NO FILE: THE INVENTORY NAMES NO FILE</source>
        <translation>PAS DE FICHIER : L’INVENTAIRE NE NOMME AUCUN FICHIER</translation>
    </message>
    <message>
        <source>NO FILE: %1: %2</source>
        <translation>PAS DE FICHIER : %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 HAS NO CHANNEL (CODE -1 IN FIELD %3): %4</source>
        <translation>%1 : %2 N’A PAS DE CANAL (CODE -1 DANS LE CHAMP %3) : %4</translation>
    </message>
    <message>
        <source>CONNECTION REFUSED</source>
        <translation>CONNEXION REFUSÉE</translation>
    </message>
    <message>
        <source>HOST NOT FOUND</source>
        <translation>HÔTE INTROUVABLE</translation>
    </message>
    <message>
        <source>NO ANSWER WITHIN %1 SECONDS</source>
        <translation>AUCUNE RÉPONSE EN %1 SECONDES</translation>
    </message>
    <message>
        <source>THE CONNECTION WAS CLOSED</source>
        <translation>LA CONNEXION A ÉTÉ FERMÉE</translation>
    </message>
    <message>
        <source>NO RFC 2217 ANSWER WITHIN %1 SECONDS - IN RAW TCP MODE USE TCP://</source>
        <translation>AUCUNE RÉPONSE RFC 2217 EN %1 SECONDES - EN MODE TCP BRUT, UTILISER TCP://</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER FLOODED THE CONNECTION WITH %1 KIB OF OPTION TRAFFIC</source>
        <translation>LE SERVEUR DE PÉRIPHÉRIQUES A INONDÉ LA CONNEXION DE %1 KIO DE TRAFIC D&apos;OPTIONS</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER SENT MORE THAN %1 KIB THAT NO PANEL SENDS</source>
        <translation>LE SERVEUR DE PÉRIPHÉRIQUES A ENVOYÉ PLUS DE %1 KIO QU&apos;AUCUN PANNEAU N&apos;ENVOIE</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER DOES NOT OFFER RFC 2217 (COM PORT CONTROL) - IN RAW TCP MODE USE TCP://</source>
        <translation>LE SERVEUR DE PÉRIPHÉRIQUES N&apos;OFFRE PAS RFC 2217 (COM PORT CONTROL) - EN MODE TCP BRUT, UTILISER TCP://</translation>
    </message>
    <message>
        <source>THE DEVICE SERVER DID NOT SET 9600 BAUD, 8 DATA BITS, NO PARITY, 1 STOP BIT</source>
        <translation>LE SERVEUR DE PÉRIPHÉRIQUES N&apos;A PAS RÉGLÉ 9600 BAUDS, 8 BITS DE DONNÉES, SANS PARITÉ, 1 BIT D&apos;ARRÊT</translation>
    </message>
    <message>
        <source>NO SUCH PORT - A USB ADAPTER MUST BE PLUGGED IN AND ITS DRIVER INSTALLED</source>
        <translation>PORT INEXISTANT - UN ADAPTATEUR USB DOIT ÊTRE BRANCHÉ ET SON PILOTE INSTALLÉ</translation>
    </message>
    <message>
        <source>NO PORT OF THE KIND %1</source>
        <translation>AUCUN PORT DU TYPE %1</translation>
    </message>
    <message>
        <source>NO HOST</source>
        <translation>AUCUN HÔTE</translation>
    </message>
    <message>
        <source>%1 IS NOT AN IPV6 ADDRESS</source>
        <translation>%1 N&apos;EST PAS UNE ADRESSE IPV6</translation>
    </message>
    <message>
        <source>%1 IS NOT AN IPV4 ADDRESS</source>
        <translation>%1 N&apos;EST PAS UNE ADRESSE IPV4</translation>
    </message>
    <message>
        <source>%1 IS NOT A HOST NAME</source>
        <translation>%1 N&apos;EST PAS UN NOM D&apos;HÔTE</translation>
    </message>
    <message>
        <source>NO PORT NUMBER</source>
        <translation>AUCUN NUMÉRO DE PORT</translation>
    </message>
    <message>
        <source>UNEXPECTED %1 AFTER THE HOST</source>
        <translation>%1 INATTENDU APRÈS L&apos;HÔTE</translation>
    </message>
    <message>
        <source>UNEXPECTED %1 AFTER THE PORT NUMBER</source>
        <translation>%1 INATTENDU APRÈS LE NUMÉRO DE PORT</translation>
    </message>
    <message>
        <source>%1 IS NOT A PORT NUMBER FROM 1 TO 65535</source>
        <translation>%1 N&apos;EST PAS UN NUMÉRO DE PORT DE 1 À 65535</translation>
    </message>
    <message>
        <source>NO &quot;]&quot; AFTER THE IPV6 ADDRESS</source>
        <translation>AUCUN &quot;]&quot; APRÈS L&apos;ADRESSE IPV6</translation>
    </message>
    <message>
        <source>AN IPV6 ADDRESS GOES IN BRACKETS, E.G. [FE80::1]:4001</source>
        <translation>UNE ADRESSE IPV6 S&apos;ÉCRIT ENTRE CROCHETS, P. EX. [FE80::1]:4001</translation>
    </message>
    <message>
        <source>CANNOT USE %1 AS THE PANEL&apos;S PORT: %2 - WRITE TCP://HOST:PORT OR RFC2217://HOST:PORT</source>
        <translation>IMPOSSIBLE D&apos;UTILISER %1 COMME PORT DU PANNEAU : %2 - ÉCRIRE TCP://HÔTE:PORT OU RFC2217://HÔTE:PORT</translation>
    </message>
    <message>
        <source>CANNOT CONNECT TO %1: %2</source>
        <translation>IMPOSSIBLE DE SE CONNECTER À %1 : %2</translation>
    </message>
</context>
</TS>
