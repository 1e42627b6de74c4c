<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/options_window/AboutBox.cpp" line="+41"/>
        <location line="+1"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaly  Version </source>
        <translation>Tessaly  version </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Written by:</source>
        <translation>Écrit par&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homepage:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaly is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>Tessaly est un logiciel libre&#xa0;: vous pouvez le redistribuer et le modifier selon les termes de la licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>License agreement:</source>
        <translation>Contrat de licence&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <location filename="../src/options_window/AdvancedPage.cpp" line="+17"/>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delay automatic wallpaper changing if screen saver is running or the computer is locked.</source>
        <translation>Retarder le changement automatique pendant l&apos;économiseur d&apos;écran ou lorsque l&apos;ordinateur est verrouillé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delay automatic wallpaper changing if the cpu usage is equal or above :</source>
        <translation>Retarder le changement automatique si l&apos;utilisation du processeur atteint ou dépasse&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>CPU usage limit in percent</source>
        <translation>Limite d&apos;utilisation du processeur, en pourcentage</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the CPU usage limit by one</source>
        <translation>Modifier la limite d&apos;utilisation du processeur d&apos;une unité</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Prepare the next wallpaper in advance</source>
        <translation>Préparer le fond d&apos;écran suivant à l&apos;avance</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The next picture is made ready while the computer is idle, so that the change is almost instant. It holds memory for one screen-sized picture, and waits while the computer runs on battery.</source>
        <translation>L&apos;image suivante est préparée pendant que l&apos;ordinateur est inactif, afin que le changement soit presque instantané. Elle occupe en mémoire la place d&apos;une image de la taille de l&apos;écran et attend tant que l&apos;ordinateur fonctionne sur batterie.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clock and calendar transparency :</source>
        <translation>Transparence de l&apos;horloge et du calendrier&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opaque</source>
        <translation>Opaque</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No compositing manager is running, so the clock and calendar cannot be translucent: they show opaque (at the right end, not at all) until one runs.</source>
        <translation>Aucun gestionnaire de composition n&apos;est lancé, l&apos;horloge et le calendrier ne peuvent donc pas être translucides&#x202f;: ils restent opaques (ou invisibles, curseur tout à droite) jusqu&apos;au lancement d&apos;un gestionnaire de composition.</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>The CPU limit &quot;%1&quot; is not a whole number from 0 to 100; it stays %2%.</source>
        <translation>La limite du processeur «&#x202f;%1&#x202f;» n&apos;est pas un nombre entier de 0 à 100&#x202f;; elle reste à %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <location filename="../src/widgets/CalendarWidget.cpp" line="+14"/>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <location filename="../src/internet/Categories.cpp" line="+93"/>
        <source>the catalogue could not be written: %1</source>
        <translation>le catalogue n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the download failed</source>
        <translation>le téléchargement a échoué</translation>
    </message>
    <message>
        <location filename="../src/internet/Categories.h" line="+55"/>
        <source>Please refresh!</source>
        <translation>Veuillez actualiser&#x202f;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The internet categories could not be refreshed from %1: %2</source>
        <translation>Les catégories Internet n&apos;ont pas pu être actualisées depuis %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>CatCode</source>
        <translation>Code de catégorie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter the new CatCode.<byte value="xd"/>
Leave blank for default.</source>
        <translation>Veuillez saisir le nouveau code de catégorie.<byte value="xd"/>
Laissez vide pour utiliser le code par défaut.</translation>
    </message>
</context>
<context>
    <name>ClockWidget</name>
    <message>
        <location filename="../src/widgets/ClockWidget.cpp" line="+19"/>
        <location line="+1"/>
        <source>Clock</source>
        <translation>Horloge</translation>
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
        <translation>Couleurs du fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Inverser les couleurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Reset</source>
        <comment>button: undo the colour changes</comment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Example</source>
        <comment>preview pictures of the colour filters</comment>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Example before</source>
        <translation>Aperçu avant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Example after</source>
        <translation>Aperçu après</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>Desktop color:</source>
        <translation>Couleur du bureau&#xa0;:</translation>
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
        <translation>Utilisation&#xa0;: tessaly [OPTION]
Changeur de fond d&apos;écran qui réside dans la zone de notification.

  /y              démarrer comme à l&apos;ouverture de session&#xa0;: sans fenêtre des
                  paramètres&#x202f;; s&apos;arrête aussitôt si «&#x202f;Lancer Tessaly à
                  l&apos;ouverture de la session&#x202f;» est décoché
  --next          passer au fond d&apos;écran suivant
  --previous      revenir au fond d&apos;écran affiché avant
  --clear         effacer le fond d&apos;écran
  --toggle-timer  activer ou désactiver le changement automatique du fond
                  d&apos;écran
  --settings      ouvrir la fenêtre des paramètres
  --quit          arrêter l&apos;instance de Tessaly en cours d&apos;exécution
  -h, --help      afficher cette aide
  --version       afficher la version

Si Tessaly est déjà lancé, l&apos;option lui est transmise. Sans option, Tessaly
démarre et ouvre sa fenêtre des paramètres&#x202f;; les arguments qui ne sont
pas des options (qui ne commencent pas par «&#x202f;-&#x202f;») sont ignorés.
</translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <location filename="../src/compose/Compose.cpp" line="+183"/>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is too large for a picture.</source>
        <translation>Le fichier %1 est trop volumineux pour une image.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is empty.</source>
        <translation>Le fichier %1 est vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture %1 is too large to show: %2 x %3 pixels, over the limit of 64 million pixels.</source>
        <translation>L&apos;image %1 est trop grande pour être affichée&#xa0;: %2&#xa0;×&#xa0;%3 pixels, au-delà de la limite de 64 millions de pixels.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+6"/>
        <location line="+14"/>
        <location line="+56"/>
        <location line="+27"/>
        <source>Cannot load %1: %2</source>
        <translation>Impossible de charger %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>The metafile %1 is damaged: %2</source>
        <translation>Le métafichier %1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 is not a picture in a known format.</source>
        <translation>%1 n&apos;est pas une image dans un format reconnu.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>L&apos;image %1 est trop grande (%2&#xa0;×&#xa0;%3 pixels).</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+11"/>
        <source>The picture %1 is damaged or incomplete.</source>
        <translation>L&apos;image %1 est endommagée ou incomplète.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The picture %1 has no usable size.</source>
        <translation>L&apos;image %1 n&apos;a pas de taille utilisable.</translation>
    </message>
    <message>
        <location line="+242"/>
        <source>There is no picture to write.</source>
        <translation>Il n&apos;y a aucune image à écrire.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <location filename="../src/options_window/Countdown.cpp" line="+20"/>
        <source>Next wallpaper change at: %1 O&apos;Clock.</source>
        <translation>Prochain changement de fond d&apos;écran à %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changing wallpaper now!</source>
        <translation>Changement de fond d&apos;écran en cours&#x202f;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next wallpaper change is after: %1.</source>
        <translation>Prochain changement de fond d&apos;écran dans %1.</translation>
    </message>
</context>
<context>
    <name>DownloadCache</name>
    <message>
        <location filename="../src/internet/DownloadCache.cpp" line="+208"/>
        <source>Cache file size: %1 bytes</source>
        <translation>Taille des fichiers en cache&#xa0;: %1 octets</translation>
    </message>
    <message>
        <location filename="../src/internet/DownloadCache.h" line="+72"/>
        <source>Are you sure?</source>
        <translation>Voulez-vous vraiment vider le cache&#x202f;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cache</source>
        <translation>Vider le cache</translation>
    </message>
</context>
<context>
    <name>DownloadClient</name>
    <message>
        <location filename="../src/internet/DownloadClient.cpp" line="+184"/>
        <source>Downloading...</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the download was abandoned at line: %2</source>
        <translation>Erreur %1&#xa0;: le téléchargement a été abandonné à la ligne %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Error %1: the proxy &quot;%2&quot; is not an address of the form host:port</source>
        <translation>Erreur %1&#xa0;: le proxy «&#x202f;%2&#x202f;» n&apos;est pas une adresse de la forme hôte:port</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Error %1: &quot;%2&quot; is not an http or https address</source>
        <translation>Erreur %1&#xa0;: «&#x202f;%2&#x202f;» n&apos;est pas une adresse http ou https</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Error %1: the answer is larger than %2 MB</source>
        <translation>Erreur %1&#xa0;: la réponse dépasse %2&#xa0;Mo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error %1: %2</source>
        <translation>Erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the server went silent: nothing came within %2 seconds</source>
        <translation>Erreur %1&#xa0;: le serveur ne répond plus, rien n&apos;est arrivé en %2 secondes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error %1: the answer did not complete within %2 seconds (%3 bytes came)</source>
        <translation>Erreur %1&#xa0;: la réponse n&apos;était pas complète au bout de %2 secondes (%3 octets reçus)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> at line: %1</source>
        <translation> à la ligne %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvane Downloader Error</source>
        <translation>Erreur du téléchargeur Orvane</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <location filename="../src/feeds/FeedReader.cpp" line="+76"/>
        <source>The document is larger than %1 MB.</source>
        <translation>Le document dépasse %1&#xa0;Mo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The document declares entities, which a feed does not need; it was not read.</source>
        <translation>Le document déclare des entités, dont un flux n&apos;a pas besoin&#x202f;; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The document&apos;s elements are nested more than %1 deep.</source>
        <translation>Les éléments du document sont imbriqués sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The document is not an RSS or Atom feed.</source>
        <translation>Le document n&apos;est pas un flux RSS ou Atom.</translation>
    </message>
    <message>
        <location line="+137"/>
        <location line="+169"/>
        <source>The feed&apos;s title is longer than %1 characters; it was not read.</source>
        <translation>Le titre du flux dépasse %1 caractères&#x202f;; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <location line="-303"/>
        <source>The document is not well-formed XML: %1 (line %2).</source>
        <translation>Le document n&apos;est pas un XML bien formé&#xa0;: %1 (ligne %2).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The feed has no title.</source>
        <translation>Le flux n&apos;a pas de titre.</translation>
    </message>
</context>
<context>
    <name>FeedUpdater</name>
    <message>
        <location filename="../src/feeds/FeedUpdater.cpp" line="+39"/>
        <source>Not downloaded yet.</source>
        <translation>Pas encore téléchargé.</translation>
    </message>
</context>
<context>
    <name>FontPicker</name>
    <message>
        <location filename="../src/options_window/FontPicker.cpp" line="+154"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale red</source>
        <translation>Rouge pâle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale orange</source>
        <translation>Orange pâle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale yellow</source>
        <translation>Jaune pâle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale green</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale cyan</source>
        <translation>Cyan pâle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale blue</source>
        <translation>Bleu pâle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale magenta</source>
        <translation>Magenta pâle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light red</source>
        <translation>Rouge clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light cyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light magenta</source>
        <translation>Magenta clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark orange</source>
        <translation>Orange foncé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark yellow</source>
        <translation>Jaune foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark cyan</source>
        <translation>Cyan foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark magenta</source>
        <translation>Magenta foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deep green</source>
        <translation>Vert profond</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Teal</source>
        <translation>Bleu sarcelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark red</source>
        <translation>Rouge très foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rosy brown</source>
        <translation>Vieux rose</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark olive</source>
        <translation>Olive foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark green</source>
        <translation>Vert très foncé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark cyan</source>
        <translation>Cyan très foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark blue</source>
        <translation>Bleu très foncé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark purple</source>
        <translation>Violet très foncé</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+18"/>
        <source>Font name :</source>
        <translation>Nom de la police&#xa0;:</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+16"/>
        <source>Size :</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+1"/>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>UnderLine</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Color</source>
        <comment>button: choose the font colour</comment>
        <translation>Couleur</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Current color</source>
        <translation>Couleur actuelle</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>Preview :</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>accept and close window</source>
        <translation>Valider et fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>discard and close window</source>
        <translation>Annuler et fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Select Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Font</source>
        <translation>Choisir une police</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The font size &quot;%1&quot; is not a number.</source>
        <translation>La taille de police «&#x202f;%1&#x202f;» n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>HotKeyActions</name>
    <message>
        <location filename="../src/shell/HotKeyActions.cpp" line="+16"/>
        <source>Automatic wallpaper changing is now Enabled</source>
        <translation>Le changement automatique du fond d&apos;écran est maintenant activé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic wallpaper changing is now Disabled</source>
        <translation>Le changement automatique du fond d&apos;écran est maintenant désactivé</translation>
    </message>
</context>
<context>
    <name>HotKeys</name>
    <message>
        <location filename="../src/hotkeys/HotKeys.cpp" line="+21"/>
        <source>Ctrl + Alt</source>
        <translation>Ctrl + Alt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Alt + Shift</source>
        <translation>Ctrl + Alt + Maj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Shift</source>
        <translation>Ctrl + Maj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt + Shift</source>
        <translation>Alt + Maj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Clear Wallpaper</source>
        <translation>Effacer le fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch wallpaper</source>
        <translation>Changer de fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable/Enable automatic wallpaper changing</source>
        <translation>Désactiver/activer le changement automatique du fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open this window.</source>
        <translation>Ouvrir cette fenêtre.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+35"/>
        <source>Previous wallpaper</source>
        <translation>Fond d&apos;écran précédent</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Clear the wallpaper</source>
        <translation>Effacer le fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next wallpaper</source>
        <translation>Fond d&apos;écran suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch automatic wallpaper changing on or off</source>
        <translation>Activer ou désactiver le changement automatique du fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the settings window</source>
        <translation>Ouvrir la fenêtre des paramètres</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>waiting for the desktop&apos;s answer</source>
        <translation>en attente de la réponse du bureau</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/options_window/HotKeysPage.cpp" line="+120"/>
        <source>in force</source>
        <translation>actif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in force; shown in %1</source>
        <translation>actif&#x202f;; visible dans %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>handed to the desktop; shown in %1</source>
        <translation>confié au bureau&#x202f;; visible dans %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/options_window/HotKeysPage.cpp" line="-1"/>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/GnomeHotKeys.cpp" line="+25"/>
        <source>GNOME Settings, Keyboard, Custom Shortcuts</source>
        <translation>Paramètres de GNOME, Clavier, Raccourcis personnalisés</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>a custom shortcut</source>
        <translation>un raccourci personnalisé</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the desktop&apos;s shortcut &quot;%1&quot;</source>
        <translation>le raccourci «&#x202f;%1&#x202f;» du bureau</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the desktop&apos;s custom shortcut settings are not installed</source>
        <translation>les paramètres de raccourcis personnalisés du bureau ne sont pas installés</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/platform/linux/KdeHotKeys.cpp" line="+110"/>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="+79"/>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="+141"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+173"/>
        <source>not a combination Tessaly can bind</source>
        <translation>combinaison que Tessaly ne peut pas attribuer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>this row has no action the desktop can run</source>
        <translation>cette ligne n&apos;a pas d&apos;action que le bureau puisse lancer</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="+8"/>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="+12"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+42"/>
        <source>taken by another Tessaly hot key</source>
        <translation>déjà pris par un autre raccourci de Tessaly</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>taken by %1</source>
        <translation>déjà pris par %1</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/KdeHotKeys.cpp" line="-87"/>
        <source>System Settings, Shortcuts, Tessaly</source>
        <translation>Configuration du système, Raccourcis, Tessaly</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>KDE&apos;s shortcut service does not answer (%1)</source>
        <translation>le service de raccourcis de KDE ne répond pas (%1)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+26"/>
        <source>taken by another program</source>
        <translation>déjà pris par un autre programme</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="-67"/>
        <source>the desktop&apos;s shortcut settings</source>
        <translation>les paramètres de raccourcis du bureau</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>Tessaly cannot listen to the desktop&apos;s portal</source>
        <translation>Tessaly ne peut pas écouter le portail du bureau</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+24"/>
        <location line="+17"/>
        <source>not allowed by the desktop</source>
        <translation>non autorisé par le bureau</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>the desktop offers no global shortcut portal (%1)</source>
        <translation>le bureau n&apos;offre pas de portail de raccourcis globaux (%1)</translation>
    </message>
    <message>
        <location line="+46"/>
        <source> (now %1)</source>
        <translation> (maintenant %1)</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="-133"/>
        <source>sway&apos;s bindings, while Tessaly runs</source>
        <translation>les raccourcis de sway, tant que Tessaly tourne</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+104"/>
        <source>sway cannot be reached (%1)</source>
        <translation>sway est injoignable (%1)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this row has no action sway can run</source>
        <translation>cette ligne n&apos;a pas d&apos;action que sway puisse lancer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SWAYSOCK is not set</source>
        <translation>SWAYSOCK n&apos;est pas défini</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>taken by another program: sway&apos;s configuration binds it</source>
        <translation>déjà pris&#xa0;: la configuration de sway l&apos;utilise</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>not allowed by sway: %1</source>
        <translation>refusé par sway&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="-66"/>
        <source>no X display to grab keys on</source>
        <translation>aucun affichage X pour capter les touches</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the X server&apos;s key map cannot be read</source>
        <translation>impossible de lire la table des touches du serveur X</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the keyboard has no such key</source>
        <translation>le clavier n&apos;a pas cette touche</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not allowed by the desktop: the X server keeps it for switching consoles</source>
        <translation>non autorisé par le bureau&#xa0;: le serveur X le réserve au changement de console</translation>
    </message>
</context>
<context>
    <name>HotKeysPage</name>
    <message>
        <location filename="../src/options_window/HotKeysPage.cpp" line="-79"/>
        <source>Hot Keys</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> modifiers</source>
        <translation> (modificateurs)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> key</source>
        <translation> (touche)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> status</source>
        <translation> (état)</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <location filename="../src/platform/IniSettingsStore.cpp" line="+147"/>
        <location line="+28"/>
        <source>the settings could not be written</source>
        <translation>les paramètres n&apos;ont pas pu être écrits</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the settings could not be written in full (is the disk full?)</source>
        <translation>les paramètres n&apos;ont pas pu être écrits entièrement (le disque est-il plein&#x202f;?)</translation>
    </message>
</context>
<context>
    <name>InternetPage</name>
    <message>
        <location filename="../src/options_window/InternetPage.cpp" line="+47"/>
        <source>Internet settings</source>
        <translation>Paramètres Internet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Internet options</source>
        <translation>Options Internet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Catalogue server :</source>
        <translation>Serveur de catalogue&#xa0;:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Proxy settings</source>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Use a proxy</source>
        <translation>Utiliser un proxy</translation>
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
        <translation>hôte:port</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error handling</source>
        <translation>Gestion des erreurs</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>Request timeout :</source>
        <translation>Délai d&apos;attente des requêtes&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds.</source>
        <translation>secondes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Don&apos;t prompt on error, just ignore it.</source>
        <translation>Ne rien demander en cas d&apos;erreur, l&apos;ignorer simplement.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show icon in the notification area when downloading.</source>
        <translation>Afficher une icône dans la zone de notification pendant les téléchargements.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable caching (Recommended)</source>
        <translation>Activer le cache (recommandé)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Files downloaded from the internet are stored for quick viewing later.</source>
        <translation>Les fichiers téléchargés depuis Internet sont conservés pour être affichés rapidement plus tard.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <source>Clear cache</source>
        <translation>Vider le cache</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The pictures of the ticked photo feeds join those of the ticked internet categories.</source>
        <translation>Les images des flux de photos cochés s&apos;ajoutent à celles des catégories Internet cochées.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Photo feeds</source>
        <translation>Flux de photos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add</source>
        <comment>button: add a photo feed</comment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a photo feed.</source>
        <translation>Ajouter un flux de photos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <comment>button: edit the selected photo feed</comment>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the selected photo feed.</source>
        <translation>Modifier le flux de photos sélectionné.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove</source>
        <comment>button: remove the selected photo feed</comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the selected photo feed.</source>
        <translation>Supprimer le flux de photos sélectionné.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Photo feed status</source>
        <translation>État des flux de photos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection</source>
        <comment>tab</comment>
        <translation>Connexion</translation>
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
        <translation>Flux de photos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter the address of the photo feed (RSS or Atom) whose pictures you want to use.</source>
        <translation>Saisissez l&apos;adresse du flux de photos (RSS ou Atom) dont vous voulez utiliser les images.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New Photo Feed</source>
        <translation>Nouveau flux de photos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Photo Feed</source>
        <translation>Modifier le flux de photos</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Nothing was added. </source>
        <translation>Rien n&apos;a été ajouté. </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was changed. </source>
        <translation>Rien n&apos;a été modifié. </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Downloading %1 ...</source>
        <translation>Téléchargement de %1…</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The feed holds no pictures (no image enclosures or media contents).</source>
        <translation>Le flux ne contient aucune image (ni pièce jointe ni contenu média de type image).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The feed could not be stored: %1</source>
        <translation>Le flux n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Pictures in &quot;%1&quot;: %2.</source>
        <translation>Images dans «&#x202f;%1&#x202f;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The request timeout &quot;%1&quot; is not a whole number of seconds from 1 to %2; it stays %3 seconds.</source>
        <translation>Le délai d&apos;attente «&#x202f;%1&#x202f;» n&apos;est pas un nombre entier de secondes de 1 à %2&#x202f;; il reste de %3 secondes.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The photo feed list could not be saved: %1</source>
        <translation>La liste des flux de photos n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>InternetStepping</name>
    <message>
        <location filename="../src/internet/InternetStepping.cpp" line="+53"/>
        <source>you can download only one wallpaper every %1 Minutes</source>
        <translation>Vous ne pouvez télécharger qu&apos;un seul fond d&apos;écran toutes les %1 minutes</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Photo feeds that could not be refreshed:
%1</source>
        <translation>Flux de photos qui n’ont pas pu être actualisés :
%1</translation>
    </message>
    <message>
        <location line="+358"/>
        <source>The internet picture list could not be written: %1</source>
        <translation>La liste des images Internet n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <location filename="../src/compose/JpegDecoder.cpp" line="+136"/>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>KeyCapture</name>
    <message>
        <location filename="../src/options_window/KeyCapture.cpp" line="+12"/>
        <source>Page Up</source>
        <translation>Pg préc</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Down</source>
        <translation>Pg suiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Impr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Screen</source>
        <translation>Impr écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>ListPanes</name>
    <message>
        <location filename="../src/options_window/ListPanes.cpp" line="+20"/>
        <source>Internet categories</source>
        <translation>Catégories Internet</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+2"/>
        <source>Refresh internet categories</source>
        <translation>Actualiser les catégories Internet</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>CatCode</source>
        <translation>Code de catégorie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Wallpaper.</source>
        <translation>Fond d&apos;écran précédent.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Wallpaper.</source>
        <translation>Fond d&apos;écran suivant.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Updating internet categories, please wait...</source>
        <translation>Mise à jour des catégories Internet, veuillez patienter…</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Updating, please wait...</source>
        <translation>Mise à jour, veuillez patienter…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Downloading previous wallpaper, please wait...</source>
        <translation>Téléchargement du fond d&apos;écran précédent, veuillez patienter…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloading next wallpaper, please wait...</source>
        <translation>Téléchargement du fond d&apos;écran suivant, veuillez patienter…</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <location filename="../src/compose/Metafile.cpp" line="+747"/>
        <source>not a Windows metafile header</source>
        <translation>en-tête de métafichier Windows non reconnu</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+363"/>
        <source>the metafile has no size</source>
        <translation>le métafichier n&apos;a pas de taille</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+406"/>
        <source>the metafile ends early</source>
        <translation>le métafichier se termine trop tôt</translation>
    </message>
    <message>
        <location line="-401"/>
        <location line="+405"/>
        <source>a record does not fit in the metafile</source>
        <translation>un enregistrement dépasse du métafichier</translation>
    </message>
    <message>
        <location line="-194"/>
        <location line="+410"/>
        <location line="+93"/>
        <source>a region does not fit in its record</source>
        <translation>une région dépasse de son enregistrement</translation>
    </message>
    <message>
        <location line="-457"/>
        <location line="+511"/>
        <source>record %1 is too short</source>
        <translation>l&apos;enregistrement %1 est trop court</translation>
    </message>
    <message>
        <location line="-491"/>
        <source>not an enhanced metafile header</source>
        <translation>en-tête de métafichier amélioré non reconnu</translation>
    </message>
    <message>
        <location line="+530"/>
        <source>nothing to draw on</source>
        <translation>aucune surface où dessiner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>NewsBar</name>
    <message>
        <location filename="../src/widgets/NewsBar.cpp" line="+32"/>
        <location line="+1"/>
        <source>News bar</source>
        <translation>Barre d&apos;actualités</translation>
    </message>
</context>
<context>
    <name>NewsBarPage</name>
    <message>
        <location filename="../src/options_window/NewsBarPage.cpp" line="+61"/>
        <source>News bar</source>
        <translation>Barre d&apos;actualités</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News bar options</source>
        <translation>Options de la barre d&apos;actualités</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Enable news bar</source>
        <translation>Activer la barre d&apos;actualités</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clickable</source>
        <translation>Cliquable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation>Toujours au premier plan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Move the news bar</source>
        <translation>Déplacer la barre d&apos;actualités</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+2"/>
        <source>Update every </source>
        <translation>Mettre à jour toutes les </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change the update interval</source>
        <translation>Modifier l&apos;intervalle de mise à jour</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>(Fast)</source>
        <translation>(rapide)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(Slow)</source>
        <translation>(lente)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News feeds</source>
        <translation>Flux d&apos;actualités</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>News feed addresses</source>
        <translation>Adresses des flux d&apos;actualités</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add</source>
        <comment>button: add a news feed</comment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add an RSS Feed.</source>
        <translation>Ajouter un flux RSS.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <comment>button: edit the selected news feed</comment>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit selected feed.</source>
        <translation>Modifier le flux sélectionné.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <comment>button: remove the selected news feeds</comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove selected Feeds.</source>
        <translation>Supprimer les flux sélectionnés.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update now!</source>
        <translation>Mettre à jour maintenant&#x202f;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Info</source>
        <comment>feed information</comment>
        <translation>Informations</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Click on an item to view its info</source>
        <translation>Cliquez sur un élément pour afficher ses informations</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+88"/>
        <source>last update :</source>
        <translation>dernière mise à jour&#xa0;:</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>sample%1</source>
        <comment>news bar appearance: sample text of font/color %1</comment>
        <translation>Exemple %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Edit font/color %1</source>
        <translation>Modifier police/couleur %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Options</source>
        <comment>tab of the news bar page</comment>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feeds</source>
        <comment>tab</comment>
        <translation>Flux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Appearance</source>
        <comment>tab</comment>
        <translation>Apparence</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The update interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; it stays %3 minutes.</source>
        <translation>L&apos;intervalle de mise à jour «&#x202f;%1&#x202f;» n&apos;est pas un nombre de minutes supérieur à 0 et inférieur ou égal à %2&#x202f;; il reste de %3 minutes.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The feed list could not be saved: %1</source>
        <translation>La liste des flux n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>New Feed</source>
        <translation>Nouveau flux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the URL of the xml RSS feed you want to add<byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation>Saisissez l&apos;adresse du flux RSS (XML) à ajouter<byte value="xd"/>
ou copiez-la depuis votre navigateur et collez-la ici.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Edit Feed</source>
        <translation>Modifier le flux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the new URL of the xml RSS feed <byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation>Saisissez la nouvelle adresse du flux RSS (XML) <byte value="xd"/>
ou copiez-la depuis votre navigateur et collez-la ici.</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+19"/>
        <source>Nothing was added. </source>
        <translation>Rien n&apos;a été ajouté. </translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+17"/>
        <source>Nothing was changed. </source>
        <translation>Rien n&apos;a été modifié. </translation>
    </message>
    <message>
        <location filename="../src/options_window/FeedEditing.cpp" line="+19"/>
        <source>The address is longer than %1 characters, which the feed list cannot keep.</source>
        <translation>L&apos;adresse dépasse %1 caractères, ce que la liste des flux ne peut pas conserver.</translation>
    </message>
    <message>
        <location filename="../src/options_window/NewsBarPage.cpp" line="-11"/>
        <source>Downloading %1 ...</source>
        <translation>Téléchargement de %1…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The feed could not be stored: %1</source>
        <translation>Le flux n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed to &quot;%1&quot;.</source>
        <translation>Remplacé par «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Added &quot;%1&quot;.</source>
        <translation>«&#x202f;%1&#x202f;» ajouté.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source><byte value="xd"/>
Updating...</source>
        <translation><byte value="xd"/>
Mise à jour…</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Last update:<byte value="xd"/>
</source>
        <translation>Dernière mise à jour&#xa0;:<byte value="xd"/>
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
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>no picture size</source>
        <translation>aucune taille d&apos;image</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+94"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation>%1&#xa0;×&#xa0;%2 pixels dépassent la limite</translation>
    </message>
    <message>
        <location line="-56"/>
        <location line="+106"/>
        <source>no picture data</source>
        <translation>aucune donnée d&apos;image</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>decoder set-up failed</source>
        <translation>échec de l&apos;initialisation du décodeur</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>unreadable header</source>
        <translation>en-tête illisible</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>cannot hold the picture</source>
        <translation>impossible de charger l&apos;image en mémoire</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the file ends too early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>damaged data</source>
        <translation>données endommagées</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <location filename="../src/compose/PictureFormats.cpp" line="+50"/>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Images (%1);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>PictureListFile</name>
    <message>
        <location filename="../src/settings/PictureListFile.cpp" line="+53"/>
        <source>%1 holds a line break, which the list cannot keep</source>
        <translation>%1 contient un saut de ligne, que la liste ne peut pas conserver</translation>
    </message>
</context>
<context>
    <name>PictureListPanes</name>
    <message>
        <location filename="../src/options_window/PictureListPanes.cpp" line="+49"/>
        <source>These files were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés&#xa0;: leur nom contient un saut de ligne, que la liste d&apos;images ne peut pas conserver.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These folders were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Ces dossiers n&apos;ont pas été ajoutés&#xa0;: leur nom contient un saut de ligne, que la liste d&apos;images ne peut pas conserver.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These files and folders were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Ces fichiers et dossiers n&apos;ont pas été ajoutés&#xa0;: leur nom contient un saut de ligne, que la liste d&apos;images ne peut pas conserver.</translation>
    </message>
    <message>
        <location line="+105"/>
        <location line="+2"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview picture</source>
        <translation>Image d&apos;aperçu</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+4"/>
        <source>Files list</source>
        <translation>Liste de fichiers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drag files or folders from windows explorer to add files.</source>
        <translation>Faites glisser des fichiers ou des dossiers depuis le gestionnaire de fichiers pour les ajouter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+338"/>
        <source>Browse for pictures</source>
        <translation>Choisir des images</translation>
    </message>
    <message>
        <location line="-335"/>
        <location line="+339"/>
        <source>Remove selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <location line="-336"/>
        <location line="+338"/>
        <source>Clear list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <location line="-335"/>
        <source>Move selected up.</source>
        <translation>Monter la sélection.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move selected down.</source>
        <translation>Descendre la sélection.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shuffle.</source>
        <translation>Mélanger.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort.</source>
        <translation>Trier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set selected picture as wallpaper</source>
        <translation>Utiliser l&apos;image sélectionnée comme fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear desktop wallpaper.</source>
        <translation>Effacer le fond d&apos;écran du bureau.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dele&amp;te</source>
        <translation>&amp;Retirer de la liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+318"/>
        <source>&amp;Clear list</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <location line="-315"/>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shu&amp;ffle</source>
        <translation>Mé&amp;langer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove &amp;missing file(s)</source>
        <translation>Retirer les fichiers &amp;introuvables</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;hysically remove selected file(s)</source>
        <translation>&amp;Supprimer du disque les fichiers sélectionnés</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open folde&amp;r</source>
        <translation>O&amp;uvrir le dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File &amp;Properties</source>
        <translation>&amp;Propriétés du fichier</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open Pictures</source>
        <translation>Ouvrir des images</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Are you sure you want to delete %1 file(s) from your hard disk?
please note that files will not be move to the recycle bin and will be deleted permanently.</source>
        <translation>Voulez-vous vraiment supprimer %1 fichier(s) de votre disque dur&#x202f;?
Attention&#xa0;: les fichiers ne seront pas placés dans la corbeille, ils seront supprimés définitivement.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>These files could not be deleted and stay in the list:
</source>
        <translation>Ces fichiers n&apos;ont pas pu être supprimés et restent dans la liste&#xa0;:
</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The picture could not be made the wallpaper.</source>
        <translation>L&apos;image n&apos;a pas pu être utilisée comme fond d&apos;écran.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Folders list</source>
        <translation>Liste de dossiers</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&amp;Add folder</source>
        <translation>&amp;Ajouter un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove selected folder(s)</source>
        <translation>&amp;Retirer les dossiers sélectionnés</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> Files found and ready to be used</source>
        <translation> fichiers trouvés et prêts à l&apos;emploi</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Pictures found and ready to be used!</source>
        <translation> images trouvées et prêtes à l&apos;emploi&#x202f;!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please select a folder</source>
        <translation>Veuillez choisir un dossier</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>The picture list could not be saved to %1: %2</source>
        <translation>La liste d&apos;images n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/shell/Program.cpp" line="+135"/>
        <source>Tessaly could not read its settings file and uses the default settings. The damaged file was kept as %1.</source>
        <translation>Tessaly n&apos;a pas pu lire son fichier de paramètres et utilise les paramètres par défaut. Le fichier endommagé a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Some settings held values Tessaly cannot use and were reset: %1.</source>
        <translation>Certains paramètres contenaient des valeurs inutilisables par Tessaly et ont été réinitialisés&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tessaly could not set up its start at log-on: %1.</source>
        <translation>Tessaly n&apos;a pas pu configurer son lancement à l&apos;ouverture de session&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Tessaly could not write its picture list %1.</source>
        <translation>Tessaly n&apos;a pas pu écrire sa liste d&apos;images %1.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tessaly could not save its settings: %1. The previous settings are kept.</source>
        <translation>Tessaly n&apos;a pas pu enregistrer ses paramètres&#xa0;: %1. Les paramètres précédents sont conservés.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>tessaly: unknown option &apos;%1&apos;</source>
        <translation>tessaly&#xa0;: option inconnue «&#x202f;%1&#x202f;»</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/settings/Settings.cpp" line="+11"/>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stretch</source>
        <translation>Étiré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Reduce)</source>
        <translation>Ajusté à l&apos;écran (réduire)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Enlarge)</source>
        <translation>Ajusté à l&apos;écran (agrandir)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit (Reduce/Enlarge)</source>
        <translation>Ajusté (réduire/agrandir)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Same</source>
        <translation>Identique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Different</source>
        <translation>Différent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span</source>
        <translation>Étendu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <location filename="../src/options_window/SettingsWindow.cpp" line="+45"/>
        <source>Wallpaper</source>
        <translation>Fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Keys</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News Bar</source>
        <translation>Barre d&apos;actualités</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <location line="+298"/>
        <source>Tessaly settings</source>
        <translation>Paramètres de Tessaly</translation>
    </message>
    <message>
        <location line="-288"/>
        <location line="+2"/>
        <source>Options :</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Click to switch between the time left and the clock time</source>
        <translation>Cliquez pour basculer entre le temps restant et l&apos;heure du prochain changement</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Switch wallpaper when I click apply.</source>
        <translation>Changer de fond d&apos;écran quand je clique sur Appliquer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close this window after applying changes.</source>
        <translation>Fermer cette fenêtre après l&apos;application des modifications.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Help on this page</source>
        <translation>Aide sur cette page</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Tessaly</source>
        <translation>À propos de Tessaly</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shut down Tessaly.</source>
        <translation>Quitter Tessaly.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Apply and close window</source>
        <translation>Appliquer et fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>discard and close window</source>
        <translation>Annuler et fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The settings could not be saved: %1</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Targa</name>
    <message>
        <location filename="../src/compose/Targa.cpp" line="+73"/>
        <source>not a TGA picture</source>
        <translation>ce n&apos;est pas une image TGA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation>%1&#xa0;×&#xa0;%2 pixels dépassent la limite</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+37"/>
        <location line="+8"/>
        <location line="+5"/>
        <location line="+8"/>
        <source>the file is cut short</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/shell/TrayIcon.cpp" line="+74"/>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch &amp;Wallpaper Now</source>
        <translation>&amp;Changer de fond d&apos;écran maintenant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Previous wallpaper</source>
        <translation>&amp;Fond d&apos;écran précédent</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wallpaper</source>
        <comment>menu</comment>
        <translation>Fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next wallpaper</source>
        <translation>Fond d&apos;écran suivant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear wallpaper</source>
        <translation>Effacer le fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current wallpaper</source>
        <translation>Fond d&apos;écran actuel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filename</source>
        <comment>menu: show the current wallpaper&apos;s file name</comment>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clock</source>
        <comment>menu</comment>
        <translation>Horloge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the clock</source>
        <translation>Afficher l&apos;horloge</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+9"/>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Calendar</source>
        <comment>menu</comment>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the calendar</source>
        <translation>Afficher le calendrier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>WallpaperChange</name>
    <message>
        <location filename="../src/collection/WallpaperChange.cpp" line="+97"/>
        <source>Internet file</source>
        <translation>Fichier Internet</translation>
    </message>
</context>
<context>
    <name>WallpaperJobs</name>
    <message>
        <location filename="../src/collection/WallpaperJobs.cpp" line="+218"/>
        <source>There is no earlier wallpaper.</source>
        <translation>Il n&apos;y a pas de fond d&apos;écran précédent.</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>Looking for pictures in %1</source>
        <translation>Recherche d&apos;images dans %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 file names could not be read (not valid text, or holding a line break) and were left out of the pictures.</source>
        <translation>%1 noms de fichiers n&apos;ont pas pu être lus (texte non valide ou contenant un saut de ligne) et ont été exclus des images.</translation>
    </message>
</context>
<context>
    <name>WallpaperPage</name>
    <message>
        <location filename="../src/options_window/WallpaperPage.cpp" line="+37"/>
        <source>Wallpaper</source>
        <translation>Fond d&apos;écran</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Switch wallpaper every</source>
        <translation>Changer de fond d&apos;écran toutes les</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minutes between changes</source>
        <translation>Minutes entre deux changements</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the interval by one minute</source>
        <translation>Modifier l&apos;intervalle d&apos;une minute</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Switch wallpaper on startup</source>
        <translation>Changer de fond d&apos;écran au démarrage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wallpaper selecting technique</source>
        <translation>Mode de sélection des fonds d&apos;écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Random </source>
        <translation>Aléatoire </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <translation>Dans l&apos;ordre</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Start Tessaly on windows start-up</source>
        <translation>Lancer Tessaly à l&apos;ouverture de la session</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Wallpaper position </source>
        <translation>Position du fond d&apos;écran </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Wallpaper source</source>
        <translation>Source des fonds d&apos;écran</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Local Files list</source>
        <translation>Liste de fichiers locale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Local Folders list</source>
        <translation>Liste de dossiers locale</translation>
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
        <translation>Plusieurs écrans</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Same: the picture on every monitor. Different: each monitor the next picture. Span: one picture across all monitors. Primary: the main monitor&apos;s picture alone.</source>
        <translation>Identique&#xa0;: la même image sur chaque écran. Différent&#xa0;: l&apos;image suivante sur chaque écran. Étendu&#xa0;: une seule image sur l&apos;ensemble des écrans. Principal&#xa0;: une image sur l&apos;écran principal seulement.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+4"/>
        <source>Show file name near tray icon for seconds</source>
        <translation>Afficher brièvement le nom du fichier près de l&apos;icône de notification</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; the interval stays %3 minutes.</source>
        <translation>L&apos;intervalle «&#x202f;%1&#x202f;» n&apos;est pas un nombre de minutes supérieur à 0 et inférieur ou égal à %2&#x202f;; l&apos;intervalle reste de %3 minutes.</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <location filename="../src/compose/Watermark.cpp" line="+127"/>
        <source>Internet file</source>
        <translation>Fichier Internet</translation>
    </message>
</context>
<context>
    <name>WatermarkPage</name>
    <message>
        <location filename="../src/options_window/WatermarkPage.cpp" line="+19"/>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Show watermark</source>
        <translation>Afficher le filigrane</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Watermark text:</source>
        <translation>Texte du filigrane&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <source>Position :</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre</source>
        <comment>watermark position</comment>
        <translation>Au centre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+2"/>
        <source>Edit font/color</source>
        <translation>Modifier la police et la couleur</translation>
    </message>
</context>
<context>
    <name>WidgetPages</name>
    <message>
        <location filename="../src/options_window/WidgetPages.cpp" line="+58"/>
        <source>this feature works only in windows XP/2000</source>
        <translation>cette fonction ne marche que sous Windows XP/2000</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Clock numbers</source>
        <translation>Chiffres de l&apos;horloge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hour hand</source>
        <translation>Aiguille des heures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minute hand</source>
        <translation>Aiguille des minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second hand</source>
        <translation>Aiguille des secondes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose the font and colour of the numbers</source>
        <translation>Choisir la police et la couleur des chiffres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the colour of the hour hand</source>
        <translation>Choisir la couleur de l&apos;aiguille des heures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the colour of the minute hand</source>
        <translation>Choisir la couleur de l&apos;aiguille des minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the colour of the second hand</source>
        <translation>Choisir la couleur de l&apos;aiguille des secondes</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Clock Settings</source>
        <translation>Paramètres de l&apos;horloge</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the clock</source>
        <translation>Afficher l&apos;horloge</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+129"/>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation>Toujours au premier plan.</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Move the clock</source>
        <translation>Déplacer l&apos;horloge</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clock preview</source>
        <translation>Aperçu de l&apos;horloge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hours</source>
        <comment>clock preview: hour digits</comment>
        <translation>Heures</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <comment>clock preview: minute digits</comment>
        <translation>Minutes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <comment>clock preview: second digits</comment>
        <translation>Secondes</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <location line="+136"/>
        <location line="+3"/>
        <source>Click on an element to modify</source>
        <translation>Cliquez sur un élément pour le modifier</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Calender settings</source>
        <translation>Paramètres du calendrier</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the calendar</source>
        <translation>Afficher le calendrier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move the calendar</source>
        <translation>Déplacer le calendrier</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>July 2006</source>
        <comment>calendar preview: a month and year</comment>
        <translation>Juillet 2006</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sun  Mon  Tue  Wed  Thu  Fri  Sat</source>
        <comment>calendar preview: the week&apos;s day names, in the calendar&apos;s column widths</comment>
        <translation>Dim  Lun  Mar  Mer  Jeu  Ven  Sam</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Today</source>
        <comment>calendar preview: today&apos;s date</comment>
        <translation>Aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <location filename="../src/platform/linux/XdgAutostart.cpp" line="+63"/>
        <source>cannot remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
