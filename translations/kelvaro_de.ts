<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
Exit-Status:
  0  erledigt; oder die Uhr lief und endete normal, oder eine andere Uhr läuft bereits
  1  nicht erledigt: kein Alarm läuft, der schlummern oder enden könnte, oder die Änderung wartet
     an der Uhr auf „Sind Sie sicher …?“ („Warn if Changing Settings“), oder --status
     kann ohne laufende Uhr die Einstellungen nicht lesen
  2  die Befehlszeile wird abgelehnt
  3  die Einstellungen sind gesperrt: die Uhr antwortet „gesperrt“
  4  keine laufende Uhr zu fragen (jede Anfrage außer --status), oder sie hat nicht geantwortet
</translation>
    </message>
    <message>
        <source>    Add MP3 &amp;&amp; Video Music to List   </source>
        <translation>    MP3 &amp;&amp; Video-Musik zur Liste   </translation>
    </message>
    <message>
        <source>  to arrive at %1</source>
        <translation>  um %1 anzukommen</translation>
    </message>
    <message>
        <source> Insert 
%1
 Here Before 
%2? 
</source>
        <translation> Einfügen 
%1
 hier vor 
%2? 
</translation>
    </message>
    <message>
        <source> Move 
%1
 to a new Location? 
</source>
        <translation> Verschieben: 
%1
 an eine neue Stelle? 
</translation>
    </message>
    <message>
        <source> Note: Alarm Clock is NOT ON!                

Turn Alarm ON       CANCEL</source>
        <translation> Hinweis: Der Wecker ist NICHT EIN!                

Alarm EINSCHALTEN       ABBRECHEN</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Today! 

Turn ON Todays Alarm? 
</source>
        <translation> Hinweis: Kein Alarm für HEUTE eingeschaltet! 

Heutigen Alarm EINSCHALTEN? 
</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Tomorrow! 

Turn ON Tomorrows Alarm? 
</source>
        <translation> Hinweis: Kein Alarm für MORGEN eingeschaltet! 

Morgigen Alarm EINSCHALTEN? 
</translation>
    </message>
    <message>
        <source> Note: Resize Taskbar Clock by 

First Place the Mouse over the Taskbar Clock,

Then Press and hold the Left Mouse button and the &apos;Ctrl&apos; key at the same time,

Then drag the Mouse. 
</source>
        <translation> Hinweis: Größe der Taskleisten-Uhr ändern 

Zuerst die Maus über die Taskleisten-Uhr bewegen,

dann die linke Maustaste und die Taste &apos;Strg&apos; gleichzeitig gedrückt halten,

dann die Maus ziehen. 
</translation>
    </message>
    <message>
        <source> Note: You are running on BATTERY power!                

                   Continue to Sleep?

                  YES                     NO</source>
        <translation> Hinweis: Sie arbeiten mit AKKU-Strom!                

                   Trotzdem schlafen?

                  JA                     NEIN</translation>
    </message>
    <message>
        <source> Volume Control, The Blue area is the non-alarm volume setting</source>
        <translation> Lautstärke – der blaue Bereich ist die Lautstärke außerhalb des Alarms</translation>
    </message>
    <message>
        <source>!!!WARNING!!! 
Your Program may NOT be able to make a Sound to Alert You.</source>
        <translation>!!!WARNUNG!!! 
Ihr Programm kann vielleicht KEINEN Ton zum Wecken erzeugen.</translation>
    </message>
    <message>
        <source>%1	%2 hr-Time Difference</source>
        <translation>%1	%2 Std. Zeitunterschied</translation>
    </message>
    <message>
        <source>%1

Offered:
%2
Enter or Use Zone
takes it.</source>
        <translation>%1

Angeboten:
%2
Eingabe oder „Zone nehmen“
übernimmt sie.</translation>
    </message>
    <message>
        <source>%1
Are you sure?</source>
        <translation>%1
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>%1 (unchanged)</source>
        <translation>%1 (unverändert)</translation>
    </message>
    <message>
        <source>%1 (unknown zone)</source>
        <translation>%1 (unbekannte Zone)</translation>
    </message>
    <message>
        <source>%1 = Sunday Alarm Time - %2</source>
        <translation>%1 = Sonntagsweckzeit – %2</translation>
    </message>
    <message>
        <source>%1 by </source>
        <translation>%1 bis </translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>%1 kann nicht gelesen werden (%2). Die Städteliste bleibt leer und wird nicht über diese Datei gespeichert.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>%1 kann nicht gelesen werden (%2). Die Uhr läuft mit ihren Standardeinstellungen und speichert sie nicht über diese Datei.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>%1 ist zu groß zum Lesen (%2). Die Städteliste bleibt leer und wird nicht über diese Datei gespeichert.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>%1 ist zu groß zum Lesen (%2). Die Uhr läuft mit ihren Standardeinstellungen und speichert sie nicht über diese Datei.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The list stays empty.</source>
        <translation>%1 ist zu groß zum Lesen (%2). Die Liste bleibt leer.</translation>
    </message>
    <message>
        <source>%1%2%3%4%5%6%7</source>
        <translation>%1%2%3%4%5%6%7</translation>
    </message>
    <message>
        <source>%1, %2% lit</source>
        <translation>%1, zu %2 % beleuchtet</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1:
%2</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s</source>
        <translation>%1: %2 s, Antwort in %3 s</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s (too slow to count)</source>
        <translation>%1: %2 s, Antwort in %3 s (zu langsam, zählt nicht)</translation>
    </message>
    <message>
        <source>%1: alarm at %2</source>
        <translation>%1: Alarm um %2</translation>
    </message>
    <message>
        <source>%1: no reply</source>
        <translation>%1: keine Antwort</translation>
    </message>
    <message>
        <source>&amp;12 / 24 Hour Format</source>
        <translation>&amp;12 / 24 Stunden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <source>&amp;All Days</source>
        <translation>&amp;Alle Tage</translation>
    </message>
    <message>
        <source>&amp;CD</source>
        <translation>&amp;CD</translation>
    </message>
    <message>
        <source>&amp;Cities</source>
        <translation>&amp;Städte</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Days Settings</source>
        <translation>&amp;Tage</translation>
    </message>
    <message>
        <source>&amp;E-Mail Kelvaro Support</source>
        <translation>&amp;E-Mail an den Kelvaro-Support</translation>
    </message>
    <message>
        <source>&amp;Even More Settings</source>
        <translation>&amp;Weitere Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Kelvaro Web Site</source>
        <translation>&amp;Kelvaro-Website</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>Einstellungen &amp;sperren</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;MP3, MPEG Video, Wave</source>
        <translation>&amp;MP3, MPEG-Video, Wave</translation>
    </message>
    <message>
        <source>&amp;Music Settings</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>&amp;ON</source>
        <translation>&amp;EIN</translation>
    </message>
    <message>
        <source>&amp;Restore Settings from Disk</source>
        <translation>Einstellungen &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Save Settings to Disk</source>
        <translation>Einstellungen s&amp;ichern</translation>
    </message>
    <message>
        <source>&amp;Set Alarm Time</source>
        <translation>&amp;Weckzeit</translation>
    </message>
    <message>
        <source>&amp;Set Clock using Web Atomic Clock Time</source>
        <translation>Uhr nach &amp;Atomzeit aus dem Netz stellen</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Schlafen</translation>
    </message>
    <message>
        <source>&amp;Time Settings</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Use PopUp Hints</source>
        <translation>&amp;Tooltips zeigen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&apos;auto&apos; starts the clock; it does not go with a request to it.</source>
        <translation>&apos;auto&apos; startet die Uhr; es passt nicht zu einer Anfrage an sie.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>--alarm takes on or off.</source>
        <translation>--alarm nimmt on oder off.</translation>
    </message>
    <message>
        <source>--dir needs a folder name.</source>
        <translation>--dir braucht einen Ordnernamen.</translation>
    </message>
    <message>
        <source>--dir: &apos;%1&apos; is not a folder.</source>
        <translation>--dir: &apos;%1&apos; ist kein Ordner.</translation>
    </message>
    <message>
        <source>--set-alarm takes a time HH:MM, 00:00 to 23:59.</source>
        <translation>--set-alarm nimmt eine Uhrzeit HH:MM, 00:00 bis 23:59.</translation>
    </message>
    <message>
        <source>0 Minutes = Always ON until turned off</source>
        <translation>0 Minuten = immer EIN bis zum Ausschalten</translation>
    </message>
    <message>
        <source>0 Minutes = No Auto Snooze</source>
        <translation>0 Minuten = kein automatisches Schlummern</translation>
    </message>
    <message>
        <source>^^ Update Cities ^^</source>
        <translation>^^ Städte speichern ^^</translation>
    </message>
    <message>
        <source>About Kelvaro Clock</source>
        <translation>Über Kelvaro Clock</translation>
    </message>
    <message>
        <source>Add / &amp;Change City Time Zone</source>
        <translation>Stadt-&amp;Zeitzone hinzufügen / ändern</translation>
    </message>
    <message>
        <source>Add / Edit Cities &amp;&amp; Time Zones</source>
        <translation>Städte &amp;&amp; Zeitzonen bearbeiten</translation>
    </message>
    <message>
        <source>ADD CD Tracks to Music List</source>
        <translation>CD-Titel zur Musikliste</translation>
    </message>
    <message>
        <source>Add music to the list</source>
        <translation>Musik zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>After Alarm sounds - Press ANY key to start Snooze.  Click Stop Alarm Button to END alarm</source>
        <translation>Wenn der Alarm klingt: BELIEBIGE Taste drücken zum Schlummern.  „Alarm aus“ klicken, um den Alarm zu BEENDEN</translation>
    </message>
    <message>
        <source>After Alarm sounds press ANY Key to extend the Snooze Time</source>
        <translation>Wenn der Alarm klingt: BELIEBIGE Taste verlängert das Schlummern</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
    <message>
        <source>Alarm AM / PM</source>
        <translation>Alarm AM / PM</translation>
    </message>
    <message>
        <source>alarm at %1</source>
        <translation>Alarm um %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarm um %1</translation>
    </message>
    <message>
        <source>Alarm clock for travellers</source>
        <translation>Wecker für Reisende</translation>
    </message>
    <message>
        <source>Alarm Hour</source>
        <translation>Weckstunde</translation>
    </message>
    <message>
        <source>Alarm is left off.</source>
        <translation>Der Alarm bleibt aus.</translation>
    </message>
    <message>
        <source>Alarm is NOT awwn!</source>
        <translation>Der Alarm ist NICHT an!</translation>
    </message>
    <message>
        <source>Alarm is now set awn.</source>
        <translation>Der Alarm ist jetzt an.</translation>
    </message>
    <message>
        <source>Alarm Minute</source>
        <translation>Weckminute</translation>
    </message>
    <message>
        <source>Alarm Music &amp; Mpeg Videos</source>
        <translation>Weckmusik &amp; MPEG-Videos</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Today! Do you want to Turn awwn Todays Alarm?</source>
        <translation>Kein Alarm für heute an! Wollen Sie den heutigen Alarm einschalten?</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Tomorrow!</source>
        <translation>Kein Alarm für morgen an!</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Alarm aus</translation>
    </message>
    <message>
        <source>alarm off</source>
        <translation>Alarm aus</translation>
    </message>
    <message>
        <source>Alarm on</source>
        <translation>Alarm an</translation>
    </message>
    <message>
        <source>alarm on</source>
        <translation>Alarm an</translation>
    </message>
    <message>
        <source>Alarm ON / OFF</source>
        <translation>Alarm EIN / AUS</translation>
    </message>
    <message>
        <source>Alarm sounding</source>
        <translation>Alarm ertönt</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>ALARM TIME</source>
        <translation>WECKZEIT</translation>
    </message>
    <message>
        <source>Alarm Time - Adjusted for City</source>
        <translation>Weckzeit – an die Stadt angepasst</translation>
    </message>
    <message>
        <source>All the Super Alarm minutes together must be fewer than 1440 (one day).  Try again!</source>
        <translation>Alle Super-Alarm-Minuten zusammen müssen weniger als 1440 (ein Tag) sein.  Bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Allow Auto Time Update</source>
        <translation>Automatische Zeitkorrektur erlauben</translation>
    </message>
    <message>
        <source>Allow Super Alarm</source>
        <translation>Super-Alarm erlauben</translation>
    </message>
    <message>
        <source>always on</source>
        <translation>immer an</translation>
    </message>
    <message>
        <source>An alarm clock for travellers</source>
        <translation>Ein Wecker für Reisende</translation>
    </message>
    <message>
        <source>An hour difference in %1 could not be used and is now 0.</source>
        <translation>Ein Stundenunterschied in %1 war nicht verwendbar und ist jetzt 0.</translation>
    </message>
    <message>
        <source>Are you sure you want to Change This Setting?</source>
        <translation>Wollen Sie diese Einstellung wirklich ändern?</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>asked at the clock</source>
        <translation>an der Uhr gefragt</translation>
    </message>
    <message>
        <source>Asking before the night ends</source>
        <translation>Fragt nach, bevor die Nacht endet</translation>
    </message>
    <message>
        <source>Atomic Clock 12hr Time</source>
        <translation>Atomuhr 12-Std.-Zeit</translation>
    </message>
    <message>
        <source>Atomic Clock 24hr Time</source>
        <translation>Atomuhr 24-Std.-Zeit</translation>
    </message>
    <message>
        <source>Automatic time synchronization is enabled.</source>
        <translation>Die automatische Zeitsynchronisierung ist eingeschaltet.</translation>
    </message>
    <message>
        <source>Automatically Runs when Windows Starts</source>
        <translation>Startet automatisch mit der Sitzung</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>Akku %1</translation>
    </message>
    <message>
        <source>Battery ---</source>
        <translation>Akku ---</translation>
    </message>
    <message>
        <source>Before Work or Boarding Time </source>
        <translation>Vor Arbeits- oder Boarding-Zeit </translation>
    </message>
    <message>
        <source>cannot read the settings: %1</source>
        <translation>Einstellungen nicht lesbar: %1</translation>
    </message>
    <message>
        <source>CD Music</source>
        <translation>CD-Musik</translation>
    </message>
    <message>
        <source>CD Tracks</source>
        <translation>CD-Titel</translation>
    </message>
    <message>
        <source>Change Task Bar Clock Size - Font</source>
        <translation>Größe der Taskleisten-Uhr – Schrift</translation>
    </message>
    <message>
        <source>Choose the alarm&apos;s MIDI file</source>
        <translation>MIDI-Datei für den Alarm wählen</translation>
    </message>
    <message>
        <source>Choose the program to run at the alarm</source>
        <translation>Programm wählen, das beim Alarm startet</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>City clock %1</source>
        <translation>Stadtuhr %1</translation>
    </message>
    <message>
        <source>city: %1
alarm: %2
alarm on: %3
state: %4
next ring: %5</source>
        <translation>Stadt: %1
Alarm: %2
Alarm an: %3
Zustand: %4
Nächstes Klingeln: %5</translation>
    </message>
    <message>
        <source>Click Below to ADD Web Radio to Music List</source>
        <translation>Unten klicken, um Webradio hinzuzufügen</translation>
    </message>
    <message>
        <source>Clock not set: fewer than two time servers answered quickly</source>
        <translation>Uhr nicht gestellt: weniger als zwei Zeitserver haben schnell geantwortet</translation>
    </message>
    <message>
        <source>Clock not set: the time servers did not agree</source>
        <translation>Uhr nicht gestellt: die Zeitserver waren sich nicht einig</translation>
    </message>
    <message>
        <source>Clock running = blinks every second</source>
        <translation>Uhr läuft = blinkt jede Sekunde</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Closing. GoodBy!</source>
        <translation>Wird beendet. Auf Wiedersehen!</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Current City and Time Zone</source>
        <translation>Aktuelle Stadt und Zeitzone</translation>
    </message>
    <message>
        <source>Current City and Time Zone
%1</source>
        <translation>Aktuelle Stadt und Zeitzone
%1</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Days that Alarm can sound, Current day is underlined</source>
        <translation>Tage, an denen der Alarm klingen kann; der heutige Tag ist unterstrichen</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Fehlersuche</translation>
    </message>
    <message>
        <source>Different Music each Super Alarm Time</source>
        <translation>Andere Musik bei jedem Super-Alarm-Schritt</translation>
    </message>
    <message>
        <source>Do you want to Allow Computer to Shutdown?

  Allow Shutdown    Stop Shutdown</source>
        <translation>Wollen Sie das Herunterfahren des Computers erlauben?

  Herunterfahren erlauben    Herunterfahren stoppen</translation>
    </message>
    <message>
        <source>Don&apos;t Adjust Volume (mute fix)</source>
        <translation>Lautstärke lassen (Stumm-Korrektur)</translation>
    </message>
    <message>
        <source>Don&apos;t say Hour After Sleep</source>
        <translation>Nach dem Zubettgehen still</translation>
    </message>
    <message>
        <source>Don&apos;t Turn OFF Monitor during Sleep</source>
        <translation>Bildschirm im Schlaf NICHT ausschalten</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Anziehen</translation>
    </message>
    <message>
        <source>Drive to Work or Airport</source>
        <translation>Zur Arbeit/zum Flughafen</translation>
    </message>
    <message>
        <source>Eat or Misc.</source>
        <translation>Essen oder Sonstiges</translation>
    </message>
    <message>
        <source>Enable Dual Alarm</source>
        <translation>Doppelten Alarm einschalten</translation>
    </message>
    <message>
        <source>Enter a City               |       Enter Hours Difference from your Home City.</source>
        <translation>Stadt eingeben               |       Stundenunterschied zu Ihrer Heimatstadt eingeben.</translation>
    </message>
    <message>
        <source>Enter City </source>
        <translation>Stadt eingeben </translation>
    </message>
    <message>
        <source>Enter the City,  Ins, Del, and Tab at end will add a new row. </source>
        <translation>Stadt eingeben; Einfg, Entf und Tab am Ende fügen eine neue Zeile hinzu. </translation>
    </message>
    <message>
        <source>Enter Time Change</source>
        <translation>Zeitunterschied eingeben</translation>
    </message>
    <message>
        <source>Enter Web Radio/TV Descriptions</source>
        <translation>Webradio/-TV-Namen</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Flammen</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Für</translation>
    </message>
    <message>
        <source>Fr </source>
        <translation>Fr </translation>
    </message>
    <message>
        <source>Free software: use it, share it, change it. No warranty.</source>
        <translation>Freie Software: nutzen, teilen, ändern. Keine Gewährleistung.</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>From Calculate Alarm Time</source>
        <translation>Aus „Weckzeit berechnen“</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Get Airline Tickets</source>
        <translation>Flugtickets holen</translation>
    </message>
    <message>
        <source>Get Out of Bed</source>
        <translation>Aufstehen</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Zeit holen</translation>
    </message>
    <message>
        <source>Get Web Time Sync</source>
        <translation>Zeit aus dem Netz</translation>
    </message>
    <message>
        <source>give one of --status, --snooze, --stop, --alarm and --set-alarm at a time.</source>
        <translation>geben Sie nur eines von --status, --snooze, --stop, --alarm und --set-alarm an.</translation>
    </message>
    <message>
        <source>Hours Diff</source>
        <translation>Std.-Diff.</translation>
    </message>
    <message>
        <source>Hours of sleep must be fewer than 24.  Try again!</source>
        <translation>Die Schlafstunden müssen weniger als 24 sein.  Bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Hours Sleep, so get to bed by</source>
        <translation>Std. Schlaf, also ins Bett um</translation>
    </message>
    <message>
        <source>How Music is Played</source>
        <translation>Wie die Musik spielt</translation>
    </message>
    <message>
        <source>Hr</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>ruhig</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>In Folge</translation>
    </message>
    <message>
        <source>Infinate</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>Interactive authentication required.</source>
        <translation>Interaktive Authentifizierung erforderlich.</translation>
    </message>
    <message>
        <source>It is now %1, Time to %2!</source>
        <translation>Es ist jetzt %1, Zeit für: %2!</translation>
    </message>
    <message>
        <source>It is now %1. %2.</source>
        <translation>Es ist jetzt %1. %2.</translation>
    </message>
    <message numerus="yes">
        <source>It is now %1. %2. You have %n Minutes before you should %3.</source>
        <translation>
            <numerusform>Es ist jetzt %1. %2. Noch %n Minute bis: %3.</numerusform>
            <numerusform>Es ist jetzt %1. %2. Noch %n Minuten bis: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the settings and lists in FOLDER (made when missing). Default: the program&apos;s own folder when it holds Kelvaro.ini, else ~/.local/share/kelvaro.</source>
        <translation>Einstellungen und Listen in FOLDER aufbewahren (wird bei Bedarf angelegt). Standard: der Ordner des Programms, wenn er Kelvaro.ini enthält, sonst ~/.local/share/kelvaro.</translation>
    </message>
    <message>
        <source>Keeps the computer awake</source>
        <translation>Hält den Computer wach</translation>
    </message>
    <message>
        <source>Keeps the computer awake for the alarm</source>
        <translation>Hält den Computer für den Alarm wach</translation>
    </message>
    <message>
        <source>Kelvaro City Clock</source>
        <translation>Kelvaro Städteuhr</translation>
    </message>
    <message>
        <source>Kelvaro Clock</source>
        <translation>Kelvaro Clock</translation>
    </message>
    <message>
        <source>Kelvaro Clock Settings</source>
        <translation>Kelvaro Clock – Einstellungen</translation>
    </message>
    <message>
        <source>Kelvaro Clock: an alarm clock for travellers that shows and rings at the time of the city you choose.</source>
        <translation>Kelvaro Clock: ein Wecker für Reisende, der die Zeit der gewählten Stadt zeigt und zu ihr klingelt.</translation>
    </message>
    <message>
        <source>Kelvaro Settings do not exist at that location</source>
        <translation>Dort gibt es keine Kelvaro-Einstellungen</translation>
    </message>
    <message>
        <source>Kelvaro Settings Restored.</source>
        <translation>Kelvaro-Einstellungen wiederhergestellt.</translation>
    </message>
    <message>
        <source>Kelvaro Settings Saved.</source>
        <translation>Kelvaro-Einstellungen gesichert.</translation>
    </message>
    <message>
        <source>kernel alarm timer</source>
        <translation>Wecktimer des Kernels</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Last Time Synch</source>
        <translation>Letzter Sync</translation>
    </message>
    <message>
        <source>Leave the Alarm Clock Running Every Day while on the web and it will check and</source>
        <translation>Lassen Sie den Wecker täglich laufen, während Sie online sind; er prüft und</translation>
    </message>
    <message>
        <source>Leave the House </source>
        <translation>Das Haus verlassen </translation>
    </message>
    <message>
        <source>lit</source>
        <translation>leuchtet</translation>
    </message>
    <message>
        <source>Local Time:</source>
        <translation>Ortszeit:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>Made by the Kelvaro Clock developers</source>
        <translation>Von den Entwicklern der Kelvaro Clock</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximum &apos;12&apos; hours</source>
        <translation>Höchstens &apos;12&apos; Stunden</translation>
    </message>
    <message>
        <source>Maximum &apos;1439&apos; minutes in all</source>
        <translation>Höchstens &apos;1439&apos; Minuten insgesamt</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours</source>
        <translation>Höchstens &apos;23&apos; Stunden</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours sleep</source>
        <translation>Höchstens &apos;23&apos; Stunden Schlaf</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes</source>
        <translation>Höchstens &apos;59&apos; Minuten</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes!</source>
        <translation>Höchstens &apos;59&apos; Minuten!</translation>
    </message>
    <message>
        <source>Maximum &apos;9999&apos; Seconds</source>
        <translation>Höchstens &apos;9999&apos; Sekunden</translation>
    </message>
    <message>
        <source>Maximum hours in a day are 23.  Try again!</source>
        <translation>Ein Tag hat höchstens 23 Stunden.  Bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Maximum hours in a day is 23.  Try again!</source>
        <translation>Ein Tag hat höchstens 23 Stunden.  Bitte noch einmal!</translation>
    </message>
    <message>
        <source>Maximum hours is 12.  Try again!</source>
        <translation>Höchstens 12 Stunden.  Bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Maximum minutes in an hour are 59.  Try again!</source>
        <translation>Eine Stunde hat höchstens 59 Minuten.  Bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Maximum number of minutes in an hour are 59.  Try again!</source>
        <translation>Höchstens 59 Minuten pro Stunde.  Bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Maximum number of Seconds are 9999.  Try again!</source>
        <translation>Höchstens 9999 Sekunden.  Bitte erneut versuchen!</translation>
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
        <translation>MIDI-Musik</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>minimize or close.</source>
        <translation>minimieren oder beenden.</translation>
    </message>
    <message>
        <source>minimized.</source>
        <translation>minimiert.</translation>
    </message>
    <message>
        <source>minutes late</source>
        <translation>Minuten zu spät</translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Verpasster Alarm</translation>
    </message>
    <message>
        <source>Mo </source>
        <translation>Mo </translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Mondphase</translation>
    </message>
    <message>
        <source>Moon picture:</source>
        <translation>Mondbild:</translation>
    </message>
    <message>
        <source>MP3 and Wave Music</source>
        <translation>MP3- und Wave-Musik</translation>
    </message>
    <message>
        <source>Music Device for Alarm</source>
        <translation>Musikquelle für den Alarm</translation>
    </message>
    <message>
        <source>Music Titles</source>
        <translation>Musiktitel</translation>
    </message>
    <message>
        <source>Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>Zum Stellen nach der Atomuhr muss eine Internetverbindung bestehen!</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Night screen</source>
        <translation>Nachtbildschirm</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>no alarm in progress</source>
        <translation>kein Alarm aktiv</translation>
    </message>
    <message>
        <source>No alarm is set for the next days: switch the alarm and its days on.</source>
        <translation>Für die nächsten Tage ist kein Alarm gestellt: schalten Sie den Alarm und seine Tage ein.</translation>
    </message>
    <message>
        <source>No clock service is available.</source>
        <translation>Es ist kein Uhrzeitdienst verfügbar.</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask</source>
        <translation>keine laufende Kelvaro Clock zu fragen</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask (no private folder for its socket)</source>
        <translation>keine laufende Kelvaro Clock zu fragen (kein privater Ordner für ihren Socket)</translation>
    </message>
    <message>
        <source>No sound output was found: start the sound server or connect speakers.</source>
        <translation>Keine Tonausgabe gefunden: starten Sie den Soundserver oder schließen Sie Lautsprecher an.</translation>
    </message>
    <message>
        <source>No update site (an https:// address) is set</source>
        <translation>Keine Update-Adresse (https://) eingestellt</translation>
    </message>
    <message>
        <source>No Zone</source>
        <translation>Keine Zone</translation>
    </message>
    <message>
        <source>No zone: the typed
hour difference
is used.</source>
        <translation>Keine Zone: der eingegebene
Stundenunterschied
gilt.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Not a valid C D Track. Try Again!</source>
        <translation>Kein gültiger CD-Titel. Bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Not a valid CD Track, Try Again!</source>
        <translation>Kein gültiger CD-Titel, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Not a valid Program, Try Again!</source>
        <translation>Kein gültiges Programm, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Not a valid Sound File, Try Again!</source>
        <translation>Keine gültige Tondatei, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>not lit</source>
        <translation>leuchtet nicht</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>läuft nicht</translation>
    </message>
    <message>
        <source>Note: You can press Alt-S or Alt-M to hide the Alarm Clock.      

                    Minimize                Close</source>
        <translation>Hinweis: Mit Alt-S oder Alt-M lässt sich der Wecker ausblenden.      

                    Minimieren                Beenden</translation>
    </message>
    <message>
        <source>Now Plus Time</source>
        <translation>Jetzt plus diese Zeit</translation>
    </message>
    <message>
        <source>Now+</source>
        <translation>Jetzt+</translation>
    </message>
    <message>
        <source>OF&amp;F</source>
        <translation>A&amp;US</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>off after %1 min</source>
        <translation>aus nach %1 min</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK, but remember, I warned you.</source>
        <translation>Gut, aber ich habe Sie gewarnt.</translation>
    </message>
    <message>
        <source>On Line = Green</source>
        <translation>Online = Grün</translation>
    </message>
    <message>
        <source>Only %1 or %2 accepted as input</source>
        <translation>Nur %1 oder %2 als Eingabe erlaubt</translation>
    </message>
    <message>
        <source>Only A M or P M accepted as input!</source>
        <translation>Nur A M oder P M als Eingabe erlaubt!</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Pass Customs</source>
        <translation>Durch den Zoll</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Please plug in power before going to sleep.</source>
        <translation>Bitte vor dem Schlafengehen das Netzteil anschließen.</translation>
    </message>
    <message>
        <source>Print the chosen city, the alarm time, whether the alarm is on, its state and the next ring (ISO 8601 local time, or &quot;off&quot;), from the running clock or, with none running, from the settings.</source>
        <translation>Gewählte Stadt, Weckzeit, ob der Alarm an ist, seinen Zustand und das nächste Klingeln (ISO-8601-Ortszeit oder „off“) ausgeben, von der laufenden Uhr oder, wenn keine läuft, aus den Einstellungen.</translation>
    </message>
    <message>
        <source>Program of your Choice</source>
        <translation>Programm Ihrer Wahl</translation>
    </message>
    <message>
        <source>Program Parameters</source>
        <translation>Programmparameter</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Reach the alarm volume over</source>
        <translation>Alarmlautstärke erreichen über</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Restore Settings from Disk</source>
        <translation>Einstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Return Car Rental</source>
        <translation>Mietwagen zurückgeben</translation>
    </message>
    <message>
        <source>S&amp;undays have seperate Alarm Time</source>
        <translation>So&amp;nntags eigene Weckzeit</translation>
    </message>
    <message>
        <source>Sa </source>
        <translation>Sa </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Save as Default</source>
        <translation>Als Standard</translation>
    </message>
    <message>
        <source>Save it Anywhere</source>
        <translation>Beliebiger Ort</translation>
    </message>
    <message>
        <source>Save Settings to Disk</source>
        <translation>Einstellungen sichern</translation>
    </message>
    <message>
        <source>Say Alarm Time</source>
        <translation>Weckzeit ansagen</translation>
    </message>
    <message>
        <source>Say Current Time</source>
        <translation>Aktuelle Zeit ansagen</translation>
    </message>
    <message>
        <source>Say Hour Every Hour</source>
        <translation>Jede Stunde die Uhrzeit ansagen</translation>
    </message>
    <message>
        <source>seconds (0 = at once)</source>
        <translation>Sekunden (0 = sofort)</translation>
    </message>
    <message>
        <source>Set &amp;Super Alarm</source>
        <translation>&amp;Super-Alarm stellen</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>Alarm stellen</translation>
    </message>
    <message>
        <source>Set Alarm time then Double Click This to Set Sunday Alarm for this City</source>
        <translation>Weckzeit einstellen, dann hier doppelklicken, um den Sonntagsalarm für diese Stadt zu stellen</translation>
    </message>
    <message>
        <source>Set Super Alarm</source>
        <translation>Super-Alarm stellen</translation>
    </message>
    <message>
        <source>Set Super Alarm Time</source>
        <translation>Super-Alarm</translation>
    </message>
    <message>
        <source>Set the running clock&apos;s alarm time (24-hour).</source>
        <translation>Weckzeit der laufenden Uhr stellen (24 Stunden).</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Zeit stellen</translation>
    </message>
    <message>
        <source>Sets the wake-up for the next alarm</source>
        <translation>Stellt das Wecken des Computers für den nächsten Alarm</translation>
    </message>
    <message>
        <source>Setting changed.</source>
        <translation>Einstellung geändert.</translation>
    </message>
    <message>
        <source>Setting not changed.</source>
        <translation>Einstellung nicht geändert.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Show City Time in Task Bar Clock</source>
        <translation>Stadtzeit in der Taskleisten-Uhr zeigen</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Shower</source>
        <translation>Duschen</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>silenced</source>
        <translation>verstummt</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Schlafen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Snooze after %1 min</source>
        <translation>Schlummern nach %1 min</translation>
    </message>
    <message>
        <source>Snooze after (min)</source>
        <translation>Schlummer nach (min)</translation>
    </message>
    <message>
        <source>Snooze Enabled</source>
        <translation>Schlummern erlaubt</translation>
    </message>
    <message>
        <source>Snooze min</source>
        <translation>Schlummer</translation>
    </message>
    <message>
        <source>Snooze the running clock&apos;s alarm, as a key does.</source>
        <translation>Alarm der laufenden Uhr schlummern lassen, wie eine Taste.</translation>
    </message>
    <message>
        <source>snoozing</source>
        <translation>schlummert</translation>
    </message>
    <message>
        <source>Snoozing = Blue</source>
        <translation>Schlummern = Blau</translation>
    </message>
    <message>
        <source>Snoozing for %1 min</source>
        <translation>Schlummern für %1 Min.</translation>
    </message>
    <message>
        <source>snoozing until %1</source>
        <translation>schlummert bis %1</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>SORTIEREN</translation>
    </message>
    <message>
        <source>Sound a missed alarm when at most</source>
        <translation>Verpassten Alarm spielen bei höchstens</translation>
    </message>
    <message>
        <source>sounding</source>
        <translation>klingelt</translation>
    </message>
    <message>
        <source>Speak During Alarm</source>
        <translation>Während des Alarms sprechen</translation>
    </message>
    <message>
        <source>Start minimised (as the start with the session does).</source>
        <translation>Minimiert starten (wie beim Start mit der Sitzung).</translation>
    </message>
    <message>
        <source>Start Work or Boarding Time </source>
        <translation>Arbeits- oder Boarding-Beginn </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Alarm aus</translation>
    </message>
    <message>
        <source>Stop Alarm Sound until next alarm</source>
        <translation>Alarmton bis zum nächsten Alarm stoppen</translation>
    </message>
    <message>
        <source>Stop Hibernate and Stand-by</source>
        <translation>Ruhezustand und Standby verhindern</translation>
    </message>
    <message>
        <source>Stop the running clock&apos;s alarm, as &quot;Stop Alarm&quot; does.</source>
        <translation>Alarm der laufenden Uhr stoppen, wie „Alarm aus“.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>Su </source>
        <translation>So </translation>
    </message>
    <message>
        <source>Su Mo Tu We Th Fr Sa</source>
        <translation>So Mo Di Mi Do Fr Sa</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Super Alarm Not Set</source>
        <translation>Super-Alarm nicht gestellt</translation>
    </message>
    <message>
        <source>Super Alarm step %1</source>
        <translation>Super-Alarm-Schritt %1</translation>
    </message>
    <message>
        <source>Super Alarm Times</source>
        <translation>Super-Alarm-Schritte</translation>
    </message>
    <message>
        <source>Switch the running clock&apos;s alarm on or off.</source>
        <translation>Alarm der laufenden Uhr ein- oder ausschalten.</translation>
    </message>
    <message>
        <source>System &amp;Ding</source>
        <translation>System-&amp;Ding</translation>
    </message>
    <message>
        <source>System Ding</source>
        <translation>System-Ding</translation>
    </message>
    <message>
        <source>system timer</source>
        <translation>Systemtimer</translation>
    </message>
    <message>
        <source>Test Alarm Sound</source>
        <translation>Alarmton testen</translation>
    </message>
    <message>
        <source>Test Volume</source>
        <translation>Ton testen</translation>
    </message>
    <message>
        <source>Th </source>
        <translation>Do </translation>
    </message>
    <message>
        <source>The alarm could not play %1, so it sounds %2 this time. Your choice of sound stays as it is.</source>
        <translation>Der Alarm konnte nicht abspielen: %1. Diesmal erklingt stattdessen: %2. Ihre Tonwahl bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>Der Alarm um %1 klingelt verspätet: Kelvaro Clock lief zu der Zeit nicht.</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>Der Alarm um %1 klingelt verspätet: der Computer schlief oder seine Uhr wurde vorgestellt.</translation>
    </message>
    <message>
        <source>The alarm due at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>Der Alarm um %1 wurde verpasst und bleibt stumm: er ist mehr als %2 Minuten zu spät.</translation>
    </message>
    <message>
        <source>The alarm is on</source>
        <translation>Der Alarm ist eingeschaltet</translation>
    </message>
    <message>
        <source>The alarm will NOT ring.</source>
        <translation>Der Alarm wird NICHT klingeln.</translation>
    </message>
    <message>
        <source>The alarm will ring.</source>
        <translation>Der Alarm wird klingeln.</translation>
    </message>
    <message>
        <source>The battery lasts past the alarm.</source>
        <translation>Der Akku hält bis über den Alarm hinaus.</translation>
    </message>
    <message>
        <source>The battery will run down before the alarm at %1: plug in the power.</source>
        <translation>Der Akku ist vor dem Alarm um %1 leer: schließen Sie das Netzteil an.</translation>
    </message>
    <message>
        <source>the CD</source>
        <translation>die CD</translation>
    </message>
    <message>
        <source>The CD drive does not answer; the alarm falls back to the ding.</source>
        <translation>Das CD-Laufwerk antwortet nicht; der Alarm nimmt stattdessen den Ding.</translation>
    </message>
    <message>
        <source>the chosen sound</source>
        <translation>der gewählte Ton</translation>
    </message>
    <message>
        <source>The clock service did not answer in time.</source>
        <translation>Der Uhrzeitdienst hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The clock speaks the chosen language from its next start.</source>
        <translation>Die Uhr spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>the clock&apos;s socket belongs to another user: nothing was sent</source>
        <translation>der Socket der Uhr gehört einem anderen Benutzer: nichts wurde gesendet</translation>
    </message>
    <message>
        <source>The computer is kept awake for the alarm; do not close the lid, which sends it to sleep anyway.</source>
        <translation>Der Computer bleibt für den Alarm wach; klappen Sie den Deckel nicht zu, das schickt ihn trotzdem schlafen.</translation>
    </message>
    <message>
        <source>The computer runs on battery and its time left is unknown: plug in the power.</source>
        <translation>Der Computer läuft mit Akku und seine Restzeit ist unbekannt: schließen Sie das Netzteil an.</translation>
    </message>
    <message>
        <source>The computer runs on mains power.</source>
        <translation>Der Computer läuft am Netz.</translation>
    </message>
    <message>
        <source>The computer will not wake for the alarm</source>
        <translation>Der Computer wacht für den Alarm nicht auf</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm. To let it wake, install the program&apos;s package (its wake helper may set the kernel&apos;s alarm timer), run it where systemd allows wake-up timers, or check &quot;Stop Hibernate and Stand-by&quot; so that the computer stays awake.</source>
        <translation>Der Computer wacht für den Alarm nicht auf. Damit er aufwacht: installieren Sie das Paket des Programms (sein Weckhelfer darf den Weckzeitgeber des Kernels stellen), lassen Sie es dort laufen, wo systemd Weck-Timer erlaubt, oder kreuzen Sie „Stop Hibernate and Stand-by“ an, damit der Computer wach bleibt.</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm: check &quot;Stop Hibernate and Stand-by&quot;, or install the program&apos;s package so that its wake helper can wake the computer.</source>
        <translation>Der Computer wacht für den Alarm nicht auf: kreuzen Sie „Ruhezustand und Standby verhindern“ an oder installieren Sie das Paket des Programms, damit sein Weckhelfer den Computer wecken kann.</translation>
    </message>
    <message>
        <source>the folder option is written --dir.</source>
        <translation>die Ordner-Option heißt --dir.</translation>
    </message>
    <message>
        <source>The media file %1 is missing; the alarm falls back to the ding.</source>
        <translation>Die Mediendatei %1 fehlt; der Alarm nimmt stattdessen den Ding.</translation>
    </message>
    <message>
        <source>the MIDI file</source>
        <translation>die MIDI-Datei</translation>
    </message>
    <message>
        <source>The MIDI file %1 is missing; the alarm falls back to the ding.</source>
        <translation>Die MIDI-Datei %1 fehlt; der Alarm nimmt stattdessen den Ding.</translation>
    </message>
    <message>
        <source>the music file</source>
        <translation>die Musikdatei</translation>
    </message>
    <message>
        <source>The program %1 cannot be started: choose another sound source.</source>
        <translation>Das Programm %1 lässt sich nicht starten: wählen Sie eine andere Tonquelle.</translation>
    </message>
    <message>
        <source>the running clock did not answer</source>
        <translation>die laufende Uhr hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the running clock&apos;s answer could not be read</source>
        <translation>die Antwort der laufenden Uhr war nicht lesbar</translation>
    </message>
    <message>
        <source>The selected city keeps its typed hour difference</source>
        <translation>Die gewählte Stadt behält ihren eingegebenen Stundenunterschied</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>Das Schlummern bis %1 endet verspätet: Kelvaro Clock lief zu der Zeit nicht.</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>Das Schlummern bis %1 endet verspätet: der Computer schlief oder seine Uhr wurde vorgestellt.</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>Das Schlummern bis %1 wurde verpasst und bleibt stumm: es ist mehr als %2 Minuten zu spät.</translation>
    </message>
    <message>
        <source>The sound output does not answer: restart the sound server.</source>
        <translation>Die Tonausgabe antwortet nicht: starten Sie den Soundserver neu.</translation>
    </message>
    <message>
        <source>The sound output is muted: turn the master volume up.</source>
        <translation>Die Tonausgabe ist stumm: drehen Sie die Gesamtlautstärke auf.</translation>
    </message>
    <message>
        <source>The sound output is ready.</source>
        <translation>Die Tonausgabe ist bereit.</translation>
    </message>
    <message>
        <source>The sound source is ready.</source>
        <translation>Die Tonquelle ist bereit.</translation>
    </message>
    <message>
        <source>The system clock could not be set.</source>
        <translation>Die Systemuhr konnte nicht gestellt werden.</translation>
    </message>
    <message>
        <source>The system clock could not be set.
%1</source>
        <translation>Die Systemuhr konnte nicht gestellt werden.
%1</translation>
    </message>
    <message>
        <source>the system ding</source>
        <translation>der System-Ding</translation>
    </message>
    <message>
        <source>The time zone of the selected city</source>
        <translation>Die Zeitzone der gewählten Stadt</translation>
    </message>
    <message>
        <source>the web stream</source>
        <translation>der Webstream</translation>
    </message>
    <message>
        <source>The zone in the box becomes the selected city&apos;s</source>
        <translation>Die Zone im Feld wird die der gewählten Stadt</translation>
    </message>
    <message>
        <source>There is no disc in the drive; the alarm falls back to the ding.</source>
        <translation>Es liegt keine CD im Laufwerk; der Alarm nimmt stattdessen den Ding.</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep a small clock above the windows, so the city time is shown in the tray icon&apos;s tip instead (where there is a tray).</source>
        <translation>Diese Arbeitsumgebung erlaubt keine kleine Uhr über den Fenstern, daher steht die Stadtzeit stattdessen im Hinweis des Infobereich-Symbols (wo es einen Infobereich gibt).</translation>
    </message>
    <message>
        <source>This desktop has no tray, so the clock has no icon there: minimised, it stays in the taskbar or dock, and starting Kelvaro Clock again brings it back.</source>
        <translation>Diese Arbeitsumgebung hat keinen Infobereich, daher hat die Uhr dort kein Symbol: Minimiert bleibt sie in der Taskleiste oder im Dock, und ein erneuter Start von Kelvaro Clock holt sie zurück.</translation>
    </message>
    <message>
        <source>This file name holds a line break or a bell character, which the music list cannot keep. Rename the file and try again.</source>
        <translation>Dieser Dateiname enthält einen Zeilenumbruch oder ein Klingelzeichen, das die Musikliste nicht speichern kann. Benennen Sie die Datei um und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Time Server</source>
        <translation>Zeitserver</translation>
    </message>
    <message>
        <source>Time zone of the city:</source>
        <translation>Zeitzone der Stadt:</translation>
    </message>
    <message>
        <source>To ADD a new row - Press Insert.</source>
        <translation>Neue Zeile: Einfg drücken.</translation>
    </message>
    <message>
        <source>To DELETE a row - Press Del on the row you want to delete.</source>
        <translation>Zeile LÖSCHEN: auf der Zeile Entf drücken.</translation>
    </message>
    <message>
        <source>Todays Alarm is left off.</source>
        <translation>Der heutige Alarm bleibt aus.</translation>
    </message>
    <message>
        <source>Todays Alarm is now awn.</source>
        <translation>Der heutige Alarm ist jetzt an.</translation>
    </message>
    <message>
        <source>tomorrows Alarm is left off.</source>
        <translation>Der morgige Alarm bleibt aus.</translation>
    </message>
    <message>
        <source>tomorrows Alarm is now set awn.</source>
        <translation>Der morgige Alarm ist jetzt an.</translation>
    </message>
    <message>
        <source>Try &apos;kelvaro --help&apos; for more information.</source>
        <translation>Mehr Informationen mit &apos;kelvaro --help&apos;.</translation>
    </message>
    <message>
        <source>Tu </source>
        <translation>Di </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Turn Music OFF after (min)</source>
        <translation>Musik AUS nach (min)</translation>
    </message>
    <message>
        <source>Turn OFF Alarm after Alarm (Alarm Once)</source>
        <translation>Alarm nach Klingeln AUS (einmalig)</translation>
    </message>
    <message>
        <source>Turn OFF the alarm program</source>
        <translation>Das Weckprogramm beenden</translation>
    </message>
    <message>
        <source>Type a city to find its time zone, then pick it from the list</source>
        <translation>Eine Stadt tippen, um ihre Zeitzone zu finden, dann aus der Liste wählen</translation>
    </message>
    <message>
        <source>Unable to get Web time, try another Time Server</source>
        <translation>Keine Zeit aus dem Netz, anderen Zeitserver versuchen</translation>
    </message>
    <message>
        <source>Unable to get Web time. select another Time Server!</source>
        <translation>Keine Zeit aus dem Netz. Wählen Sie einen anderen Zeitserver!</translation>
    </message>
    <message>
        <source>Unable to save Settins, maybe try another Floppy.</source>
        <translation>Einstellungen konnten nicht gesichert werden, vielleicht eine andere Diskette versuchen.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (the only word taken is &apos;auto&apos;).</source>
        <translation>unerwartetes Argument &apos;%1&apos; (das einzige erlaubte Wort ist &apos;auto&apos;).</translation>
    </message>
    <message>
        <source>unknown request</source>
        <translation>unbekannte Anfrage</translation>
    </message>
    <message>
        <source>Update Music List</source>
        <translation>Musikliste speichern</translation>
    </message>
    <message>
        <source>update your system clock automatically every day. </source>
        <translation>Ihre Systemuhr täglich automatisch stellen. </translation>
    </message>
    <message>
        <source>Updated = Green</source>
        <translation>Aktualisiert = Grün</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Aufruf: </translation>
    </message>
    <message>
        <source>Use Defaults</source>
        <translation>Standard nehmen</translation>
    </message>
    <message>
        <source>Use Zone</source>
        <translation>Zone nehmen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Volume Test = Green</source>
        <translation>Lautstärketest = Grün</translation>
    </message>
    <message>
        <source>wake helper</source>
        <translation>Weckhelfer</translation>
    </message>
    <message>
        <source>Wakes the computer for the alarm (%1)</source>
        <translation>Weckt den Computer für den Alarm (%1)</translation>
    </message>
    <message>
        <source>Wakes the computer: %1</source>
        <translation>Weckt den Computer: %1</translation>
    </message>
    <message>
        <source>WakeUp
Shower
Dress
Eat
Drive</source>
        <translation>Wecken
Dusche
Kleiden
Essen
Fahren</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Warn if Battery is below 5%</source>
        <translation>Warnen, wenn der Akku unter 5% ist</translation>
    </message>
    <message>
        <source>Warn if Changing Settings</source>
        <translation>Warnen bei Änderung der Einstellungen</translation>
    </message>
    <message>
        <source>WARNING LOW BATTERY</source>
        <translation>WARNUNG: AKKU FAST LEER</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>We </source>
        <translation>Mi </translation>
    </message>
    <message>
        <source>Web Radio Music</source>
        <translation>Webradio-Musik</translation>
    </message>
    <message>
        <source>Web Radio/TV</source>
        <translation>Webradio/-TV</translation>
    </message>
    <message>
        <source>Web Radio/TV Links</source>
        <translation>Webradio/-TV-Adressen</translation>
    </message>
    <message>
        <source>Web Time:</source>
        <translation>Netzzeit:</translation>
    </message>
    <message>
        <source>WebRadio</source>
        <translation>Webradio</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Week &amp;Days Only</source>
        <translation>Nur &amp;Werktage</translation>
    </message>
    <message>
        <source>Week&amp;ends Only</source>
        <translation>Nur Wochen&amp;enden</translation>
    </message>
    <message>
        <source>Whole CD</source>
        <translation>Ganze CD</translation>
    </message>
    <message>
        <source>Will not wake the computer</source>
        <translation>Weckt den Computer nicht</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>You are running on BATTERY power!  The battery may run down while you are sleeping.</source>
        <translation>Sie arbeiten mit AKKU-Strom!  Der Akku könnte sich im Schlaf entladen.</translation>
    </message>
    <message>
        <source>You have turned your alarm awwn.  It will play %1 at %2.</source>
        <translation>Sie haben Ihren Alarm eingeschaltet.  Er spielt %1 um %2.</translation>
    </message>
    <message>
        <source>You have turned your alarm off. It will be silent.</source>
        <translation>Sie haben Ihren Alarm ausgeschaltet. Er bleibt stumm.</translation>
    </message>
    <message>
        <source>You have turned your alarm on.  It will play %1 at %2.</source>
        <translation>Sie haben Ihren Alarm eingeschaltet.  Er spielt %1 um %2.</translation>
    </message>
    <message>
        <source>You Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>Sie müssen online sein, um die Zeit nach der Atomuhr zu stellen!</translation>
    </message>
    <message>
        <source>~&amp;Run Your Program</source>
        <translation>~&amp;Eigenes Programm</translation>
    </message>
</context>
</TS>
