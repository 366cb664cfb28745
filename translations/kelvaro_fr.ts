<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>kelvaro</name>
    <message>
        <source>
Exit status:
  0  done; or the clock ran and ended normally, or another clock already runs
  1  not done: no alarm in progress to snooze or stop, or the change is left to
     &quot;Are you sure ...?&quot; at the clock (&quot;Warn if Changing Settings&quot;), or --status
     with no clock running cannot read the settings
  2  the command line is refused
  3  the settings are locked: the clock answers &quot;locked&quot;
  4  no running clock to ask (every request but --status), or it did not answer
</source>
        <translation>
Code de sortie :
  0  fait ; ou l&apos;horloge a tourné et s&apos;est terminée normalement, ou une autre horloge tourne déjà
  1  pas fait : aucune alarme en cours à répéter ou arrêter, ou le changement attend
     « Êtes-vous sûr… ? » à l&apos;horloge (« Avertir en cas de changement »), ou --status
     ne peut pas lire les réglages sans horloge en marche
  2  la ligne de commande est refusée
  3  les réglages sont verrouillés : l&apos;horloge répond « verrouillé »
  4  aucune horloge en marche à interroger (toute demande sauf --status), ou elle n&apos;a pas répondu
</translation>
    </message>
    <message>
        <source>    Add MP3 &amp;&amp; Video Music to List   </source>
        <translation>    Ajouter MP3 &amp;&amp; vidéo à la liste   </translation>
    </message>
    <message>
        <source>  to arrive at %1</source>
        <translation>  pour arriver à %1</translation>
    </message>
    <message>
        <source> Insert 
%1
 Here Before 
%2? 
</source>
        <translation> Insérer 
%1
 ici avant 
%2 ? 
</translation>
    </message>
    <message>
        <source> Move 
%1
 to a new Location? 
</source>
        <translation> Déplacer 
%1
 à un nouvel endroit ? 
</translation>
    </message>
    <message>
        <source> Note: Alarm Clock is NOT ON!                

Turn Alarm ON       CANCEL</source>
        <translation> Note : le réveil n&apos;est PAS ACTIVÉ !                

Activer l&apos;alarme       ANNULER</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Today! 

Turn ON Todays Alarm? 
</source>
        <translation> Note : aucune alarme ACTIVÉE pour aujourd&apos;hui ! 

Activer l&apos;alarme d&apos;aujourd&apos;hui ? 
</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Tomorrow! 

Turn ON Tomorrows Alarm? 
</source>
        <translation> Note : aucune alarme ACTIVÉE pour demain ! 

Activer l&apos;alarme de demain ? 
</translation>
    </message>
    <message>
        <source> Note: Resize Taskbar Clock by 

First Place the Mouse over the Taskbar Clock,

Then Press and hold the Left Mouse button and the &apos;Ctrl&apos; key at the same time,

Then drag the Mouse. 
</source>
        <translation> Note : redimensionner l&apos;horloge de la barre des tâches 

Placez d&apos;abord la souris sur l&apos;horloge de la barre des tâches,

puis maintenez enfoncés le bouton gauche de la souris et la touche &apos;Ctrl&apos;,

puis faites glisser la souris. 
</translation>
    </message>
    <message>
        <source> Note: You are running on BATTERY power!                

                   Continue to Sleep?

                  YES                     NO</source>
        <translation> Note : vous êtes sur BATTERIE !                

                   Continuer vers la veille ?

                  OUI                     NON</translation>
    </message>
    <message>
        <source> Volume Control, The Blue area is the non-alarm volume setting</source>
        <translation> Volume – la zone bleue est le volume hors alarme</translation>
    </message>
    <message>
        <source>!!!WARNING!!! 
Your Program may NOT be able to make a Sound to Alert You.</source>
        <translation>!!!ATTENTION!!! 
Votre programme ne pourra peut-être PAS émettre de son pour vous alerter.</translation>
    </message>
    <message>
        <source>%1	%2 hr-Time Difference</source>
        <translation>%1	%2 h de décalage</translation>
    </message>
    <message>
        <source>%1

Offered:
%2
Enter or Use Zone
takes it.</source>
        <translation>%1

Proposé :
%2
Entrée ou « Prendre le fuseau »
l&apos;adopte.</translation>
    </message>
    <message>
        <source>%1
Are you sure?</source>
        <translation>%1
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>%1 (unchanged)</source>
        <translation>%1 (inchangé)</translation>
    </message>
    <message>
        <source>%1 (unknown zone)</source>
        <translation>%1 (fuseau inconnu)</translation>
    </message>
    <message>
        <source>%1 = Sunday Alarm Time - %2</source>
        <translation>%1 = heure d&apos;alarme du dimanche – %2</translation>
    </message>
    <message>
        <source>%1 by </source>
        <translation>%1 avant </translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>%1 ne peut pas être lu (%2). La liste des villes reste vide et ne sera pas enregistrée par-dessus ce fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>%1 ne peut pas être lu (%2). L&apos;horloge fonctionne avec ses réglages par défaut et ne les enregistrera pas par-dessus ce fichier.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>%1 est trop volumineux pour être lu (%2). La liste des villes reste vide et ne sera pas enregistrée par-dessus ce fichier.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>%1 est trop volumineux pour être lu (%2). L&apos;horloge fonctionne avec ses réglages par défaut et ne les enregistrera pas par-dessus ce fichier.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The list stays empty.</source>
        <translation>%1 est trop volumineux pour être lu (%2). La liste reste vide.</translation>
    </message>
    <message>
        <source>%1%2%3%4%5%6%7</source>
        <translation>%1%2%3%4%5%6%7</translation>
    </message>
    <message>
        <source>%1, %2% lit</source>
        <translation>%1, éclairée à %2 %</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1 :
%2</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s</source>
        <translation>%1 : %2 s, réponse en %3 s</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s (too slow to count)</source>
        <translation>%1 : %2 s, réponse en %3 s (trop lente pour compter)</translation>
    </message>
    <message>
        <source>%1: alarm at %2</source>
        <translation>%1 : alarme à %2</translation>
    </message>
    <message>
        <source>%1: no reply</source>
        <translation>%1 : pas de réponse</translation>
    </message>
    <message>
        <source>&amp;12 / 24 Hour Format</source>
        <translation>&amp;12 / 24 heures</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarme</translation>
    </message>
    <message>
        <source>&amp;All Days</source>
        <translation>&amp;Tous les jours</translation>
    </message>
    <message>
        <source>&amp;CD</source>
        <translation>&amp;CD</translation>
    </message>
    <message>
        <source>&amp;Cities</source>
        <translation>&amp;Villes</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Days Settings</source>
        <translation>&amp;Jours</translation>
    </message>
    <message>
        <source>&amp;E-Mail Kelvaro Support</source>
        <translation>&amp;E-mail au support Kelvaro</translation>
    </message>
    <message>
        <source>&amp;Even More Settings</source>
        <translation>&amp;Plus de réglages</translation>
    </message>
    <message>
        <source>&amp;Kelvaro Web Site</source>
        <translation>Site &amp;web Kelvaro</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>&amp;Verrouiller les réglages</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;MP3, MPEG Video, Wave</source>
        <translation>&amp;MP3, vidéo MPEG, Wave</translation>
    </message>
    <message>
        <source>&amp;Music Settings</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>&amp;ON</source>
        <translation>&amp;ACTIVÉE</translation>
    </message>
    <message>
        <source>&amp;Restore Settings from Disk</source>
        <translation>&amp;Restaurer les réglages</translation>
    </message>
    <message>
        <source>&amp;Save Settings to Disk</source>
        <translation>&amp;Sauvegarder les réglages</translation>
    </message>
    <message>
        <source>&amp;Set Alarm Time</source>
        <translation>&amp;Heure d&apos;alarme</translation>
    </message>
    <message>
        <source>&amp;Set Clock using Web Atomic Clock Time</source>
        <translation>&amp;Régler l&apos;horloge sur l&apos;heure atomique du web</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Veille</translation>
    </message>
    <message>
        <source>&amp;Time Settings</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>&amp;Use PopUp Hints</source>
        <translation>&amp;Afficher les bulles d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenêtre</translation>
    </message>
    <message>
        <source>&apos;auto&apos; starts the clock; it does not go with a request to it.</source>
        <translation>&apos;auto&apos; démarre l&apos;horloge ; il ne va pas avec une demande à celle-ci.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>--alarm takes on or off.</source>
        <translation>--alarm prend on ou off.</translation>
    </message>
    <message>
        <source>--dir needs a folder name.</source>
        <translation>--dir demande un nom de dossier.</translation>
    </message>
    <message>
        <source>--dir: &apos;%1&apos; is not a folder.</source>
        <translation>--dir : &apos;%1&apos; n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>--set-alarm takes a time HH:MM, 00:00 to 23:59.</source>
        <translation>--set-alarm prend une heure HH:MM, de 00:00 à 23:59.</translation>
    </message>
    <message>
        <source>0 Minutes = Always ON until turned off</source>
        <translation>0 minute = ACTIVÉE jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>0 Minutes = No Auto Snooze</source>
        <translation>0 minute = pas de rappel auto</translation>
    </message>
    <message>
        <source>^^ Update Cities ^^</source>
        <translation>^^ Enregistrer les villes ^^</translation>
    </message>
    <message>
        <source>About Kelvaro Clock</source>
        <translation>À propos de Kelvaro Clock</translation>
    </message>
    <message>
        <source>Add / &amp;Change City Time Zone</source>
        <translation>Ajouter / &amp;changer le fuseau d&apos;une ville</translation>
    </message>
    <message>
        <source>Add / Edit Cities &amp;&amp; Time Zones</source>
        <translation>Modifier villes &amp;&amp; fuseaux horaires</translation>
    </message>
    <message>
        <source>ADD CD Tracks to Music List</source>
        <translation>Ajouter des pistes CD à la liste</translation>
    </message>
    <message>
        <source>Add music to the list</source>
        <translation>Ajouter de la musique à la liste</translation>
    </message>
    <message>
        <source>After Alarm sounds - Press ANY key to start Snooze.  Click Stop Alarm Button to END alarm</source>
        <translation>Quand l&apos;alarme sonne : appuyez sur N&apos;IMPORTE QUELLE touche pour le rappel.  Cliquez sur « Arrêter l&apos;alarme » pour la TERMINER</translation>
    </message>
    <message>
        <source>After Alarm sounds press ANY Key to extend the Snooze Time</source>
        <translation>Quand l&apos;alarme sonne : N&apos;IMPORTE QUELLE touche prolonge le rappel</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarme %1</translation>
    </message>
    <message>
        <source>Alarm AM / PM</source>
        <translation>Alarme AM / PM</translation>
    </message>
    <message>
        <source>alarm at %1</source>
        <translation>alarme à %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarme à %1</translation>
    </message>
    <message>
        <source>Alarm clock for travellers</source>
        <translation>Réveil pour les voyageurs</translation>
    </message>
    <message>
        <source>Alarm Hour</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm is left off.</source>
        <translation>L&apos;alarme reste désactivée.</translation>
    </message>
    <message>
        <source>Alarm is NOT awwn!</source>
        <translation>L&apos;alarme n&apos;est PAS activée !</translation>
    </message>
    <message>
        <source>Alarm is now set awn.</source>
        <translation>L&apos;alarme est maintenant activée.</translation>
    </message>
    <message>
        <source>Alarm Minute</source>
        <translation>Minute de l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm Music &amp; Mpeg Videos</source>
        <translation>Musique d&apos;alarme &amp; vidéos MPEG</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Today! Do you want to Turn awwn Todays Alarm?</source>
        <translation>Aucune alarme activée pour aujourd&apos;hui ! Voulez-vous activer l&apos;alarme d&apos;aujourd&apos;hui ?</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Tomorrow!</source>
        <translation>Aucune alarme activée pour demain !</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Alarme désactivée</translation>
    </message>
    <message>
        <source>alarm off</source>
        <translation>alarme désactivée</translation>
    </message>
    <message>
        <source>Alarm on</source>
        <translation>Alarme activée</translation>
    </message>
    <message>
        <source>alarm on</source>
        <translation>alarme activée</translation>
    </message>
    <message>
        <source>Alarm ON / OFF</source>
        <translation>Alarme ACTIVÉE / DÉSACTIVÉE</translation>
    </message>
    <message>
        <source>Alarm sounding</source>
        <translation>L&apos;alarme sonne</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Heure alarme</translation>
    </message>
    <message>
        <source>ALARM TIME</source>
        <translation>HEURE D&apos;ALARME</translation>
    </message>
    <message>
        <source>Alarm Time - Adjusted for City</source>
        <translation>Heure d&apos;alarme – ajustée à la ville</translation>
    </message>
    <message>
        <source>All the Super Alarm minutes together must be fewer than 1440 (one day).  Try again!</source>
        <translation>Toutes les minutes du Super Alarme ensemble doivent faire moins de 1440 (un jour).  Réessayez !</translation>
    </message>
    <message>
        <source>Allow Auto Time Update</source>
        <translation>Autoriser la mise à l&apos;heure auto</translation>
    </message>
    <message>
        <source>Allow Super Alarm</source>
        <translation>Autoriser le Super Alarme</translation>
    </message>
    <message>
        <source>always on</source>
        <translation>toujours activée</translation>
    </message>
    <message>
        <source>An alarm clock for travellers</source>
        <translation>Un réveil pour les voyageurs</translation>
    </message>
    <message>
        <source>An hour difference in %1 could not be used and is now 0.</source>
        <translation>Un décalage horaire dans %1 était inutilisable et vaut maintenant 0.</translation>
    </message>
    <message>
        <source>Are you sure you want to Change This Setting?</source>
        <translation>Voulez-vous vraiment changer ce réglage ?</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>asked at the clock</source>
        <translation>demandé à l&apos;horloge</translation>
    </message>
    <message>
        <source>Asking before the night ends</source>
        <translation>Demande avant que la nuit ne finisse</translation>
    </message>
    <message>
        <source>Atomic Clock 12hr Time</source>
        <translation>Horloge atomique 12 h</translation>
    </message>
    <message>
        <source>Atomic Clock 24hr Time</source>
        <translation>Horloge atomique 24 h</translation>
    </message>
    <message>
        <source>Automatic time synchronization is enabled.</source>
        <translation>La synchronisation automatique de l&apos;heure est activée.</translation>
    </message>
    <message>
        <source>Automatically Runs when Windows Starts</source>
        <translation>Démarrer avec la session</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>Batterie %1</translation>
    </message>
    <message>
        <source>Battery ---</source>
        <translation>Batterie ---</translation>
    </message>
    <message>
        <source>Before Work or Boarding Time </source>
        <translation>Avant travail ou embarquement </translation>
    </message>
    <message>
        <source>cannot read the settings: %1</source>
        <translation>impossible de lire les réglages : %1</translation>
    </message>
    <message>
        <source>CD Music</source>
        <translation>Musique CD</translation>
    </message>
    <message>
        <source>CD Tracks</source>
        <translation>Pistes CD</translation>
    </message>
    <message>
        <source>Change Task Bar Clock Size - Font</source>
        <translation>Taille de l&apos;horloge des tâches – police</translation>
    </message>
    <message>
        <source>Choose the alarm&apos;s MIDI file</source>
        <translation>Choisir le fichier MIDI de l&apos;alarme</translation>
    </message>
    <message>
        <source>Choose the program to run at the alarm</source>
        <translation>Choisir le programme à lancer à l&apos;alarme</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>City clock %1</source>
        <translation>Horloge de la ville %1</translation>
    </message>
    <message>
        <source>city: %1
alarm: %2
alarm on: %3
state: %4
next ring: %5</source>
        <translation>ville : %1
alarme : %2
alarme activée : %3
état : %4
prochaine sonnerie : %5</translation>
    </message>
    <message>
        <source>Click Below to ADD Web Radio to Music List</source>
        <translation>Cliquez ci-dessous pour ajouter une radio web</translation>
    </message>
    <message>
        <source>Clock not set: fewer than two time servers answered quickly</source>
        <translation>Horloge non réglée : moins de deux serveurs de temps ont répondu vite</translation>
    </message>
    <message>
        <source>Clock not set: the time servers did not agree</source>
        <translation>Horloge non réglée : les serveurs de temps ne concordaient pas</translation>
    </message>
    <message>
        <source>Clock running = blinks every second</source>
        <translation>Horloge en marche = clignote chaque seconde</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closing. GoodBy!</source>
        <translation>Fermeture. Au revoir !</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Current City and Time Zone</source>
        <translation>Ville et fuseau horaire actuels</translation>
    </message>
    <message>
        <source>Current City and Time Zone
%1</source>
        <translation>Ville et fuseau horaire actuels
%1</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Days that Alarm can sound, Current day is underlined</source>
        <translation>Jours où l&apos;alarme peut sonner ; le jour actuel est souligné</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Different Music each Super Alarm Time</source>
        <translation>Autre musique à chaque étape du Super Alarme</translation>
    </message>
    <message>
        <source>Do you want to Allow Computer to Shutdown?

  Allow Shutdown    Stop Shutdown</source>
        <translation>Voulez-vous autoriser l&apos;arrêt de l&apos;ordinateur ?

  Autoriser l&apos;arrêt    Empêcher l&apos;arrêt</translation>
    </message>
    <message>
        <source>Don&apos;t Adjust Volume (mute fix)</source>
        <translation>Ne pas régler le volume (correctif muet)</translation>
    </message>
    <message>
        <source>Don&apos;t say Hour After Sleep</source>
        <translation>Ne pas dire l&apos;heure après le coucher</translation>
    </message>
    <message>
        <source>Don&apos;t Turn OFF Monitor during Sleep</source>
        <translation>Ne pas ÉTEINDRE l&apos;écran en veille</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>S&apos;habiller</translation>
    </message>
    <message>
        <source>Drive to Work or Airport</source>
        <translation>Aller au travail ou à l&apos;aéroport</translation>
    </message>
    <message>
        <source>Eat or Misc.</source>
        <translation>Manger ou divers</translation>
    </message>
    <message>
        <source>Enable Dual Alarm</source>
        <translation>Activer la double alarme</translation>
    </message>
    <message>
        <source>Enter a City               |       Enter Hours Difference from your Home City.</source>
        <translation>Saisir une ville               |       Saisir le décalage horaire avec votre ville.</translation>
    </message>
    <message>
        <source>Enter City </source>
        <translation>Saisir la ville </translation>
    </message>
    <message>
        <source>Enter the City,  Ins, Del, and Tab at end will add a new row. </source>
        <translation>Saisissez la ville ; Inser, Suppr et Tab à la fin ajoutent une ligne. </translation>
    </message>
    <message>
        <source>Enter Time Change</source>
        <translation>Saisir le décalage horaire</translation>
    </message>
    <message>
        <source>Enter Web Radio/TV Descriptions</source>
        <translation>Noms des radios/TV web</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Flammes</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Pour</translation>
    </message>
    <message>
        <source>Fr </source>
        <translation>Ve </translation>
    </message>
    <message>
        <source>Free software: use it, share it, change it. No warranty.</source>
        <translation>Logiciel libre : utilisez-le, partagez-le, modifiez-le. Aucune garantie.</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>From Calculate Alarm Time</source>
        <translation>D&apos;après « Calculer l&apos;heure d&apos;alarme »</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Get Airline Tickets</source>
        <translation>Retirer les billets d&apos;avion</translation>
    </message>
    <message>
        <source>Get Out of Bed</source>
        <translation>Se lever</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Lire l&apos;heure</translation>
    </message>
    <message>
        <source>Get Web Time Sync</source>
        <translation>Heure du web</translation>
    </message>
    <message>
        <source>give one of --status, --snooze, --stop, --alarm and --set-alarm at a time.</source>
        <translation>donnez un seul de --status, --snooze, --stop, --alarm et --set-alarm à la fois.</translation>
    </message>
    <message>
        <source>Hours Diff</source>
        <translation>Décalage h</translation>
    </message>
    <message>
        <source>Hours of sleep must be fewer than 24.  Try again!</source>
        <translation>Les heures de sommeil doivent être moins de 24.  Réessayez !</translation>
    </message>
    <message>
        <source>Hours Sleep, so get to bed by</source>
        <translation>h de sommeil, donc au lit à</translation>
    </message>
    <message>
        <source>How Music is Played</source>
        <translation>Mode de lecture de la musique</translation>
    </message>
    <message>
        <source>Hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>inactive</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Infinate</source>
        <translation>Infini</translation>
    </message>
    <message>
        <source>Interactive authentication required.</source>
        <translation>Authentification interactive requise.</translation>
    </message>
    <message>
        <source>It is now %1, Time to %2!</source>
        <translation>Il est %1, l&apos;heure de : %2 !</translation>
    </message>
    <message>
        <source>It is now %1. %2.</source>
        <translation>Il est %1. %2.</translation>
    </message>
    <message numerus="yes">
        <source>It is now %1. %2. You have %n Minutes before you should %3.</source>
        <translation>
            <numerusform>Il est %1. %2. Il vous reste %n minute avant : %3.</numerusform>
            <numerusform>Il est %1. %2. Il vous reste %n minutes avant : %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the settings and lists in FOLDER (made when missing). Default: the program&apos;s own folder when it holds Kelvaro.ini, else ~/.local/share/kelvaro.</source>
        <translation>Garder les réglages et les listes dans FOLDER (créé s&apos;il manque). Par défaut : le dossier du programme s&apos;il contient Kelvaro.ini, sinon ~/.local/share/kelvaro.</translation>
    </message>
    <message>
        <source>Keeps the computer awake</source>
        <translation>Garde l&apos;ordinateur éveillé</translation>
    </message>
    <message>
        <source>Keeps the computer awake for the alarm</source>
        <translation>Garde l&apos;ordinateur éveillé pour l&apos;alarme</translation>
    </message>
    <message>
        <source>Kelvaro City Clock</source>
        <translation>Horloge de ville Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Clock</source>
        <translation>Kelvaro Clock</translation>
    </message>
    <message>
        <source>Kelvaro Clock Settings</source>
        <translation>Réglages de Kelvaro Clock</translation>
    </message>
    <message>
        <source>Kelvaro Clock: an alarm clock for travellers that shows and rings at the time of the city you choose.</source>
        <translation>Kelvaro Clock : un réveil pour les voyageurs qui affiche l&apos;heure de la ville choisie et sonne à cette heure.</translation>
    </message>
    <message>
        <source>Kelvaro Settings do not exist at that location</source>
        <translation>Aucun réglage Kelvaro à cet endroit</translation>
    </message>
    <message>
        <source>Kelvaro Settings Restored.</source>
        <translation>Réglages Kelvaro restaurés.</translation>
    </message>
    <message>
        <source>Kelvaro Settings Saved.</source>
        <translation>Réglages Kelvaro sauvegardés.</translation>
    </message>
    <message>
        <source>kernel alarm timer</source>
        <translation>minuterie d&apos;alarme du noyau</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Last Time Synch</source>
        <translation>Dern. synchro</translation>
    </message>
    <message>
        <source>Leave the Alarm Clock Running Every Day while on the web and it will check and</source>
        <translation>Laissez le réveil tourner chaque jour en ligne ; il vérifiera et</translation>
    </message>
    <message>
        <source>Leave the House </source>
        <translation>Quitter la maison </translation>
    </message>
    <message>
        <source>lit</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>Local Time:</source>
        <translation>Heure locale :</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>Made by the Kelvaro Clock developers</source>
        <translation>Par les développeurs de Kelvaro Clock</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximum &apos;12&apos; hours</source>
        <translation>Maximum &apos;12&apos; heures</translation>
    </message>
    <message>
        <source>Maximum &apos;1439&apos; minutes in all</source>
        <translation>Maximum &apos;1439&apos; minutes au total</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours</source>
        <translation>Maximum &apos;23&apos; heures</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours sleep</source>
        <translation>Maximum &apos;23&apos; heures de sommeil</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes</source>
        <translation>Maximum &apos;59&apos; minutes</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes!</source>
        <translation>Maximum &apos;59&apos; minutes !</translation>
    </message>
    <message>
        <source>Maximum &apos;9999&apos; Seconds</source>
        <translation>Maximum &apos;9999&apos; secondes</translation>
    </message>
    <message>
        <source>Maximum hours in a day are 23.  Try again!</source>
        <translation>Une journée compte au plus 23 heures.  Réessayez !</translation>
    </message>
    <message>
        <source>Maximum hours in a day is 23.  Try again!</source>
        <translation>Une journée a au plus 23 heures.  Réessayez !</translation>
    </message>
    <message>
        <source>Maximum hours is 12.  Try again!</source>
        <translation>12 heures au maximum.  Réessayez !</translation>
    </message>
    <message>
        <source>Maximum minutes in an hour are 59.  Try again!</source>
        <translation>Une heure compte au plus 59 minutes.  Réessayez !</translation>
    </message>
    <message>
        <source>Maximum number of minutes in an hour are 59.  Try again!</source>
        <translation>Au plus 59 minutes par heure.  Réessayez !</translation>
    </message>
    <message>
        <source>Maximum number of Seconds are 9999.  Try again!</source>
        <translation>9999 secondes au maximum.  Réessayez !</translation>
    </message>
    <message>
        <source>MI&amp;DI</source>
        <translation>MI&amp;DI</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI Music</source>
        <translation>Musique MIDI</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>minimize or close.</source>
        <translation>réduire ou fermer.</translation>
    </message>
    <message>
        <source>minimized.</source>
        <translation>réduit.</translation>
    </message>
    <message>
        <source>minutes late</source>
        <translation>minutes de retard</translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Alarme manquée</translation>
    </message>
    <message>
        <source>Mo </source>
        <translation>Lu </translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Phase de la Lune</translation>
    </message>
    <message>
        <source>Moon picture:</source>
        <translation>Image de la Lune :</translation>
    </message>
    <message>
        <source>MP3 and Wave Music</source>
        <translation>Musique MP3 et Wave</translation>
    </message>
    <message>
        <source>Music Device for Alarm</source>
        <translation>Source de musique de l&apos;alarme</translation>
    </message>
    <message>
        <source>Music Titles</source>
        <translation>Titres musicaux</translation>
    </message>
    <message>
        <source>Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>Il faut être en ligne pour régler l&apos;heure sur l&apos;horloge atomique !</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Night screen</source>
        <translation>Écran de nuit</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>no alarm in progress</source>
        <translation>aucune alarme en cours</translation>
    </message>
    <message>
        <source>No alarm is set for the next days: switch the alarm and its days on.</source>
        <translation>Aucune alarme n&apos;est prévue les prochains jours : activez l&apos;alarme et ses jours.</translation>
    </message>
    <message>
        <source>No clock service is available.</source>
        <translation>Aucun service d&apos;horloge n&apos;est disponible.</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask</source>
        <translation>aucune Kelvaro Clock en marche à interroger</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask (no private folder for its socket)</source>
        <translation>aucune Kelvaro Clock en cours d&apos;exécution à interroger (pas de dossier privé pour son socket)</translation>
    </message>
    <message>
        <source>No sound output was found: start the sound server or connect speakers.</source>
        <translation>Aucune sortie son trouvée : démarrez le serveur son ou branchez des haut-parleurs.</translation>
    </message>
    <message>
        <source>No update site (an https:// address) is set</source>
        <translation>Aucun site de mise à jour (adresse https://) n&apos;est réglé</translation>
    </message>
    <message>
        <source>No Zone</source>
        <translation>Sans fuseau</translation>
    </message>
    <message>
        <source>No zone: the typed
hour difference
is used.</source>
        <translation>Pas de fuseau : le décalage
saisi
s&apos;applique.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Not a valid C D Track. Try Again!</source>
        <translation>Piste CD non valide. Réessayez !</translation>
    </message>
    <message>
        <source>Not a valid CD Track, Try Again!</source>
        <translation>Piste CD non valide, réessayez !</translation>
    </message>
    <message>
        <source>Not a valid Program, Try Again!</source>
        <translation>Programme non valide, réessayez !</translation>
    </message>
    <message>
        <source>Not a valid Sound File, Try Again!</source>
        <translation>Fichier son non valide, réessayez !</translation>
    </message>
    <message>
        <source>not lit</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>pas en marche</translation>
    </message>
    <message>
        <source>Note: You can press Alt-S or Alt-M to hide the Alarm Clock.      

                    Minimize                Close</source>
        <translation>Note : Alt-S ou Alt-M masque le réveil.      

                    Réduire                Fermer</translation>
    </message>
    <message>
        <source>Now Plus Time</source>
        <translation>Maintenant plus ce temps</translation>
    </message>
    <message>
        <source>Now+</source>
        <translation>Dans</translation>
    </message>
    <message>
        <source>OF&amp;F</source>
        <translation>&amp;DÉSACTIVÉE</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>off after %1 min</source>
        <translation>arrêt après %1 min</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK, but remember, I warned you.</source>
        <translation>D&apos;accord, mais je vous aurai prévenu.</translation>
    </message>
    <message>
        <source>On Line = Green</source>
        <translation>En ligne = vert</translation>
    </message>
    <message>
        <source>Only %1 or %2 accepted as input</source>
        <translation>Seuls %1 ou %2 sont acceptés</translation>
    </message>
    <message>
        <source>Only A M or P M accepted as input!</source>
        <translation>Seuls A M ou P M sont acceptés !</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Pass Customs</source>
        <translation>Passer la douane</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permission refusée.</translation>
    </message>
    <message>
        <source>Please plug in power before going to sleep.</source>
        <translation>Branchez l&apos;alimentation avant d&apos;aller dormir.</translation>
    </message>
    <message>
        <source>Print the chosen city, the alarm time, whether the alarm is on, its state and the next ring (ISO 8601 local time, or &quot;off&quot;), from the running clock or, with none running, from the settings.</source>
        <translation>Affiche la ville choisie, l&apos;heure d&apos;alarme, si l&apos;alarme est activée, son état et la prochaine sonnerie (heure locale ISO 8601, ou « off »), depuis l&apos;horloge en marche ou, sans horloge en marche, depuis les réglages.</translation>
    </message>
    <message>
        <source>Program of your Choice</source>
        <translation>Programme de votre choix</translation>
    </message>
    <message>
        <source>Program Parameters</source>
        <translation>Paramètres du programme</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Reach the alarm volume over</source>
        <translation>Atteindre le volume d&apos;alarme en</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Restore Settings from Disk</source>
        <translation>Restaurer les réglages</translation>
    </message>
    <message>
        <source>Return Car Rental</source>
        <translation>Rendre la voiture de location</translation>
    </message>
    <message>
        <source>S&amp;undays have seperate Alarm Time</source>
        <translation>Heure d&apos;alarme à part le &amp;dimanche</translation>
    </message>
    <message>
        <source>Sa </source>
        <translation>Sa </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Save as Default</source>
        <translation>Enregistrer par défaut</translation>
    </message>
    <message>
        <source>Save it Anywhere</source>
        <translation>N&apos;importe où</translation>
    </message>
    <message>
        <source>Save Settings to Disk</source>
        <translation>Sauvegarder les réglages</translation>
    </message>
    <message>
        <source>Say Alarm Time</source>
        <translation>Dire l&apos;heure d&apos;alarme</translation>
    </message>
    <message>
        <source>Say Current Time</source>
        <translation>Dire l&apos;heure actuelle</translation>
    </message>
    <message>
        <source>Say Hour Every Hour</source>
        <translation>Dire l&apos;heure toutes les heures</translation>
    </message>
    <message>
        <source>seconds (0 = at once)</source>
        <translation>secondes (0 = immédiat)</translation>
    </message>
    <message>
        <source>Set &amp;Super Alarm</source>
        <translation>Régler le &amp;Super Alarme</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>Régler l&apos;alarme</translation>
    </message>
    <message>
        <source>Set Alarm time then Double Click This to Set Sunday Alarm for this City</source>
        <translation>Réglez l&apos;heure d&apos;alarme puis double-cliquez ici pour régler l&apos;alarme du dimanche de cette ville</translation>
    </message>
    <message>
        <source>Set Super Alarm</source>
        <translation>Régler le Super Alarme</translation>
    </message>
    <message>
        <source>Set Super Alarm Time</source>
        <translation>Super Alarme</translation>
    </message>
    <message>
        <source>Set the running clock&apos;s alarm time (24-hour).</source>
        <translation>Régler l&apos;heure d&apos;alarme de l&apos;horloge en marche (24 heures).</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Sets the wake-up for the next alarm</source>
        <translation>Programme le réveil de l&apos;ordinateur pour la prochaine alarme</translation>
    </message>
    <message>
        <source>Setting changed.</source>
        <translation>Réglage changé.</translation>
    </message>
    <message>
        <source>Setting not changed.</source>
        <translation>Réglage inchangé.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Show City Time in Task Bar Clock</source>
        <translation>Heure de la ville dans l&apos;horloge des tâches</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Shower</source>
        <translation>Douche</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>silenced</source>
        <translation>silencieuse</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Snooze after %1 min</source>
        <translation>Rappel après %1 min</translation>
    </message>
    <message>
        <source>Snooze after (min)</source>
        <translation>Rappel après (min)</translation>
    </message>
    <message>
        <source>Snooze Enabled</source>
        <translation>Rappel activé</translation>
    </message>
    <message>
        <source>Snooze min</source>
        <translation>min rappel</translation>
    </message>
    <message>
        <source>Snooze the running clock&apos;s alarm, as a key does.</source>
        <translation>Mettre en rappel l&apos;alarme de l&apos;horloge en marche, comme une touche.</translation>
    </message>
    <message>
        <source>snoozing</source>
        <translation>en rappel</translation>
    </message>
    <message>
        <source>Snoozing = Blue</source>
        <translation>Rappel = bleu</translation>
    </message>
    <message>
        <source>Snoozing for %1 min</source>
        <translation>Rappel dans %1 min</translation>
    </message>
    <message>
        <source>snoozing until %1</source>
        <translation>en rappel jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>TRIER</translation>
    </message>
    <message>
        <source>Sound a missed alarm when at most</source>
        <translation>Sonner une alarme manquée si au plus</translation>
    </message>
    <message>
        <source>sounding</source>
        <translation>sonne</translation>
    </message>
    <message>
        <source>Speak During Alarm</source>
        <translation>Parler pendant l&apos;alarme</translation>
    </message>
    <message>
        <source>Start minimised (as the start with the session does).</source>
        <translation>Démarrer réduit (comme au démarrage avec la session).</translation>
    </message>
    <message>
        <source>Start Work or Boarding Time </source>
        <translation>Début travail ou embarquement </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Arrêter l&apos;alarme</translation>
    </message>
    <message>
        <source>Stop Alarm Sound until next alarm</source>
        <translation>Arrêter le son jusqu&apos;à la prochaine alarme</translation>
    </message>
    <message>
        <source>Stop Hibernate and Stand-by</source>
        <translation>Empêcher la veille et l&apos;hibernation</translation>
    </message>
    <message>
        <source>Stop the running clock&apos;s alarm, as &quot;Stop Alarm&quot; does.</source>
        <translation>Arrêter l&apos;alarme de l&apos;horloge en marche, comme « Arrêter l&apos;alarme ».</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>Su </source>
        <translation>Di </translation>
    </message>
    <message>
        <source>Su Mo Tu We Th Fr Sa</source>
        <translation>Di Lu Ma Me Je Ve Sa</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Super Alarm Not Set</source>
        <translation>Super Alarme non réglé</translation>
    </message>
    <message>
        <source>Super Alarm step %1</source>
        <translation>Étape %1 du Super Alarme</translation>
    </message>
    <message>
        <source>Super Alarm Times</source>
        <translation>Étapes du Super Alarme</translation>
    </message>
    <message>
        <source>Switch the running clock&apos;s alarm on or off.</source>
        <translation>Activer ou désactiver l&apos;alarme de l&apos;horloge en marche.</translation>
    </message>
    <message>
        <source>System &amp;Ding</source>
        <translation>&amp;Ding système</translation>
    </message>
    <message>
        <source>System Ding</source>
        <translation>Ding système</translation>
    </message>
    <message>
        <source>system timer</source>
        <translation>minuterie du système</translation>
    </message>
    <message>
        <source>Test Alarm Sound</source>
        <translation>Tester le son de l&apos;alarme</translation>
    </message>
    <message>
        <source>Test Volume</source>
        <translation>Tester le volume</translation>
    </message>
    <message>
        <source>Th </source>
        <translation>Je </translation>
    </message>
    <message>
        <source>The alarm could not play %1, so it sounds %2 this time. Your choice of sound stays as it is.</source>
        <translation>L&apos;alarme n&apos;a pas pu jouer %1 ; elle fait donc entendre %2 cette fois. Votre choix de son reste le même.</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>L&apos;alarme prévue à %1 sonne en retard : Kelvaro Clock ne tournait pas alors.</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>L&apos;alarme prévue à %1 sonne en retard : l&apos;ordinateur était en veille ou son horloge a été avancée.</translation>
    </message>
    <message>
        <source>The alarm due at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>L&apos;alarme prévue à %1 a été manquée et reste muette : elle a plus de %2 minutes de retard.</translation>
    </message>
    <message>
        <source>The alarm is on</source>
        <translation>L&apos;alarme est activée</translation>
    </message>
    <message>
        <source>The alarm will NOT ring.</source>
        <translation>L&apos;alarme ne sonnera PAS.</translation>
    </message>
    <message>
        <source>The alarm will ring.</source>
        <translation>L&apos;alarme sonnera.</translation>
    </message>
    <message>
        <source>The battery lasts past the alarm.</source>
        <translation>La batterie tiendra au-delà de l&apos;alarme.</translation>
    </message>
    <message>
        <source>The battery will run down before the alarm at %1: plug in the power.</source>
        <translation>La batterie sera vide avant l&apos;alarme de %1 : branchez l&apos;alimentation.</translation>
    </message>
    <message>
        <source>the CD</source>
        <translation>le CD</translation>
    </message>
    <message>
        <source>The CD drive does not answer; the alarm falls back to the ding.</source>
        <translation>Le lecteur CD ne répond pas ; l&apos;alarme se rabat sur le ding.</translation>
    </message>
    <message>
        <source>the chosen sound</source>
        <translation>le son choisi</translation>
    </message>
    <message>
        <source>The clock service did not answer in time.</source>
        <translation>Le service d&apos;horloge n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The clock speaks the chosen language from its next start.</source>
        <translation>L&apos;horloge parlera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>the clock&apos;s socket belongs to another user: nothing was sent</source>
        <translation>le socket de l&apos;horloge appartient à un autre utilisateur : rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>The computer is kept awake for the alarm; do not close the lid, which sends it to sleep anyway.</source>
        <translation>L&apos;ordinateur reste éveillé pour l&apos;alarme ; ne fermez pas le couvercle, cela le met quand même en veille.</translation>
    </message>
    <message>
        <source>The computer runs on battery and its time left is unknown: plug in the power.</source>
        <translation>L&apos;ordinateur est sur batterie et son autonomie est inconnue : branchez l&apos;alimentation.</translation>
    </message>
    <message>
        <source>The computer runs on mains power.</source>
        <translation>L&apos;ordinateur est sur secteur.</translation>
    </message>
    <message>
        <source>The computer will not wake for the alarm</source>
        <translation>L&apos;ordinateur ne se réveillera pas pour l&apos;alarme</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm. To let it wake, install the program&apos;s package (its wake helper may set the kernel&apos;s alarm timer), run it where systemd allows wake-up timers, or check &quot;Stop Hibernate and Stand-by&quot; so that the computer stays awake.</source>
        <translation>L&apos;ordinateur ne se réveillera pas pour l&apos;alarme. Pour qu&apos;il se réveille, installez le paquet du programme (son assistant de réveil peut régler la minuterie du noyau), lancez-le là où systemd autorise les minuteries de réveil, ou cochez « Empêcher la veille et l&apos;hibernation » pour qu&apos;il reste éveillé.</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm: check &quot;Stop Hibernate and Stand-by&quot;, or install the program&apos;s package so that its wake helper can wake the computer.</source>
        <translation>L&apos;ordinateur ne se réveillera pas pour l&apos;alarme : cochez « Empêcher la veille et l&apos;hibernation », ou installez le paquet du programme pour que son assistant de réveil puisse réveiller l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>the folder option is written --dir.</source>
        <translation>l&apos;option du dossier s&apos;écrit --dir.</translation>
    </message>
    <message>
        <source>The media file %1 is missing; the alarm falls back to the ding.</source>
        <translation>Le fichier média %1 manque ; l&apos;alarme se rabat sur le ding.</translation>
    </message>
    <message>
        <source>the MIDI file</source>
        <translation>le fichier MIDI</translation>
    </message>
    <message>
        <source>The MIDI file %1 is missing; the alarm falls back to the ding.</source>
        <translation>Le fichier MIDI %1 manque ; l&apos;alarme se rabat sur le ding.</translation>
    </message>
    <message>
        <source>the music file</source>
        <translation>le fichier musical</translation>
    </message>
    <message>
        <source>The program %1 cannot be started: choose another sound source.</source>
        <translation>Le programme %1 ne peut pas démarrer : choisissez une autre source de son.</translation>
    </message>
    <message>
        <source>the running clock did not answer</source>
        <translation>l&apos;horloge en cours d&apos;exécution n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the running clock&apos;s answer could not be read</source>
        <translation>la réponse de l&apos;horloge en marche est illisible</translation>
    </message>
    <message>
        <source>The selected city keeps its typed hour difference</source>
        <translation>La ville choisie garde son décalage saisi</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>Le rappel terminé à %1 sonne en retard : Kelvaro Clock ne tournait pas alors.</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>Le rappel terminé à %1 sonne en retard : l&apos;ordinateur était en veille ou son horloge a été avancée.</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>Le rappel terminé à %1 a été manqué et reste muet : il a plus de %2 minutes de retard.</translation>
    </message>
    <message>
        <source>The sound output does not answer: restart the sound server.</source>
        <translation>La sortie son ne répond pas : redémarrez le serveur son.</translation>
    </message>
    <message>
        <source>The sound output is muted: turn the master volume up.</source>
        <translation>La sortie son est muette : montez le volume principal.</translation>
    </message>
    <message>
        <source>The sound output is ready.</source>
        <translation>La sortie son est prête.</translation>
    </message>
    <message>
        <source>The sound source is ready.</source>
        <translation>La source de son est prête.</translation>
    </message>
    <message>
        <source>The system clock could not be set.</source>
        <translation>L&apos;horloge système n&apos;a pas pu être réglée.</translation>
    </message>
    <message>
        <source>The system clock could not be set.
%1</source>
        <translation>L&apos;horloge système n&apos;a pas pu être réglée.
%1</translation>
    </message>
    <message>
        <source>the system ding</source>
        <translation>le ding système</translation>
    </message>
    <message>
        <source>The time zone of the selected city</source>
        <translation>Le fuseau horaire de la ville choisie</translation>
    </message>
    <message>
        <source>the web stream</source>
        <translation>le flux web</translation>
    </message>
    <message>
        <source>The zone in the box becomes the selected city&apos;s</source>
        <translation>Le fuseau de la case devient celui de la ville choisie</translation>
    </message>
    <message>
        <source>There is no disc in the drive; the alarm falls back to the ding.</source>
        <translation>Aucun disque dans le lecteur ; l&apos;alarme se rabat sur le ding.</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep a small clock above the windows, so the city time is shown in the tray icon&apos;s tip instead (where there is a tray).</source>
        <translation>Ce bureau ne permet pas à un programme de garder une petite horloge au-dessus des fenêtres : l&apos;heure de la ville est donc affichée dans l&apos;infobulle de l&apos;icône de notification (là où il y a une zone de notification).</translation>
    </message>
    <message>
        <source>This desktop has no tray, so the clock has no icon there: minimised, it stays in the taskbar or dock, and starting Kelvaro Clock again brings it back.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification, l&apos;horloge n&apos;y a donc pas d&apos;icône : réduite, elle reste dans la barre des tâches ou le dock, et relancer Kelvaro Clock la fait revenir.</translation>
    </message>
    <message>
        <source>This file name holds a line break or a bell character, which the music list cannot keep. Rename the file and try again.</source>
        <translation>Ce nom de fichier contient un saut de ligne ou un caractère de sonnerie que la liste de musique ne peut pas garder. Renommez le fichier et réessayez.</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Time Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Time zone of the city:</source>
        <translation>Fuseau horaire de la ville :</translation>
    </message>
    <message>
        <source>To ADD a new row - Press Insert.</source>
        <translation>Ajouter une ligne : touche Inser.</translation>
    </message>
    <message>
        <source>To DELETE a row - Press Del on the row you want to delete.</source>
        <translation>SUPPRIMER une ligne : touche Suppr sur la ligne.</translation>
    </message>
    <message>
        <source>Todays Alarm is left off.</source>
        <translation>L&apos;alarme d&apos;aujourd&apos;hui reste désactivée.</translation>
    </message>
    <message>
        <source>Todays Alarm is now awn.</source>
        <translation>L&apos;alarme d&apos;aujourd&apos;hui est maintenant activée.</translation>
    </message>
    <message>
        <source>tomorrows Alarm is left off.</source>
        <translation>L&apos;alarme de demain reste désactivée.</translation>
    </message>
    <message>
        <source>tomorrows Alarm is now set awn.</source>
        <translation>L&apos;alarme de demain est maintenant activée.</translation>
    </message>
    <message>
        <source>Try &apos;kelvaro --help&apos; for more information.</source>
        <translation>Essayez &apos;kelvaro --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Tu </source>
        <translation>Ma </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Turn Music OFF after (min)</source>
        <translation>Couper la musique après (min)</translation>
    </message>
    <message>
        <source>Turn OFF Alarm after Alarm (Alarm Once)</source>
        <translation>Désactiver après sonnerie (alarme unique)</translation>
    </message>
    <message>
        <source>Turn OFF the alarm program</source>
        <translation>Fermer le programme de réveil</translation>
    </message>
    <message>
        <source>Type a city to find its time zone, then pick it from the list</source>
        <translation>Tapez une ville pour trouver son fuseau, puis choisissez-le dans la liste</translation>
    </message>
    <message>
        <source>Unable to get Web time, try another Time Server</source>
        <translation>Heure du web indisponible, essayez un autre serveur</translation>
    </message>
    <message>
        <source>Unable to get Web time. select another Time Server!</source>
        <translation>Impossible d&apos;obtenir l&apos;heure du web. Choisissez un autre serveur de temps !</translation>
    </message>
    <message>
        <source>Unable to save Settins, maybe try another Floppy.</source>
        <translation>Impossible de sauvegarder les réglages, essayez peut-être une autre disquette.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (the only word taken is &apos;auto&apos;).</source>
        <translation>argument inattendu &apos;%1&apos; (le seul mot accepté est &apos;auto&apos;).</translation>
    </message>
    <message>
        <source>unknown request</source>
        <translation>demande inconnue</translation>
    </message>
    <message>
        <source>Update Music List</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>update your system clock automatically every day. </source>
        <translation>mettra votre horloge à l&apos;heure chaque jour. </translation>
    </message>
    <message>
        <source>Updated = Green</source>
        <translation>Mis à jour = vert</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Utilisation : </translation>
    </message>
    <message>
        <source>Use Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Use Zone</source>
        <translation>Prendre le fuseau</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Volume Test = Green</source>
        <translation>Test du volume = vert</translation>
    </message>
    <message>
        <source>wake helper</source>
        <translation>assistant de réveil</translation>
    </message>
    <message>
        <source>Wakes the computer for the alarm (%1)</source>
        <translation>Réveille l&apos;ordinateur pour l&apos;alarme (%1)</translation>
    </message>
    <message>
        <source>Wakes the computer: %1</source>
        <translation>Réveille l&apos;ordinateur : %1</translation>
    </message>
    <message>
        <source>WakeUp
Shower
Dress
Eat
Drive</source>
        <translation>Lever
Douche
Habits
Repas
Trajet</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Warn if Battery is below 5%</source>
        <translation>Avertir si la batterie passe sous 5%</translation>
    </message>
    <message>
        <source>Warn if Changing Settings</source>
        <translation>Avertir en cas de changement</translation>
    </message>
    <message>
        <source>WARNING LOW BATTERY</source>
        <translation>ATTENTION BATTERIE FAIBLE</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>We </source>
        <translation>Me </translation>
    </message>
    <message>
        <source>Web Radio Music</source>
        <translation>Musique radio web</translation>
    </message>
    <message>
        <source>Web Radio/TV</source>
        <translation>Radio/TV web</translation>
    </message>
    <message>
        <source>Web Radio/TV Links</source>
        <translation>Liens radio/TV web</translation>
    </message>
    <message>
        <source>Web Time:</source>
        <translation>Heure web :</translation>
    </message>
    <message>
        <source>WebRadio</source>
        <translation>Radio web</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Week &amp;Days Only</source>
        <translation>&amp;Jours de semaine seulement</translation>
    </message>
    <message>
        <source>Week&amp;ends Only</source>
        <translation>Week-&amp;ends seulement</translation>
    </message>
    <message>
        <source>Whole CD</source>
        <translation>CD entier</translation>
    </message>
    <message>
        <source>Will not wake the computer</source>
        <translation>Ne réveille pas l&apos;ordinateur</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>You are running on BATTERY power!  The battery may run down while you are sleeping.</source>
        <translation>Vous êtes sur BATTERIE !  Elle risque de se vider pendant votre sommeil.</translation>
    </message>
    <message>
        <source>You have turned your alarm awwn.  It will play %1 at %2.</source>
        <translation>Vous avez activé votre alarme.  Elle jouera %1 à %2.</translation>
    </message>
    <message>
        <source>You have turned your alarm off. It will be silent.</source>
        <translation>Vous avez désactivé votre alarme. Elle restera muette.</translation>
    </message>
    <message>
        <source>You have turned your alarm on.  It will play %1 at %2.</source>
        <translation>Vous avez activé votre alarme.  Elle jouera %1 à %2.</translation>
    </message>
    <message>
        <source>You Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>Vous devez être en ligne pour régler l&apos;heure sur l&apos;horloge atomique !</translation>
    </message>
    <message>
        <source>~&amp;Run Your Program</source>
        <translation>~&amp;Votre programme</translation>
    </message>
</context>
</TS>
