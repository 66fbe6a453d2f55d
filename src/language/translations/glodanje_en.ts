<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sr">
<context>
    <name>app::DesktopMessages</name>
    <message>
        <location filename="../../app/user_messages.cpp" line="+17"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>app::Instructions</name>
    <message>
        <location filename="../../app/help/instruction_pictures.cpp" line="+476"/>
        <source>Program modeluje komponente otpora rezanja pri obimnom glodanju ravnih površina, i to za istosmerno i za suprotnosmerno glodanje.</source>
        <translation>The program models the components of the cutting force in peripheral milling of flat surfaces, for both down milling and up milling.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Korisnik unosi režim rezanja i geometriju alata u polja prozora („Prečnik glodala“, „Broj zuba“, „Brzina rezanja“, „Dubina“, „Širina“ i druga), bira „Materijal alata“ i „Materijal obratka“ i pritiska dugme „Proces“.</source>
        <translation>The user enters the cutting conditions and the tool geometry in the fields of the window (“Cutter diameter”, “Number of teeth”, “Cutting speed”, “Depth of cut”, “Width of cut” and others), chooses the “Tool material” and the “Workpiece material” and presses the “Run” button.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Na slici se animira proces glodanja, a oscilograf istovremeno prikazuje debljinu strugotine (plava linija), glavni otpor rezanja (zelena linija) i srednji glavni otpor rezanja za jedan obrt glodala (žuta linija). Razmera dijagrama menja se u poljima „Maksimalna sila“ i „Maksimalna debljina“.</source>
        <translation>The picture animates the milling process, while the oscillograph shows the chip thickness (blue line), the main cutting force (green line) and the mean main cutting force over one revolution of the cutter (yellow line). The scales of the diagram are set in the fields “Maximum force” and “Maximum chip”.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Animacija čuva stvarni odnos prečnika glodala i dubine rezanja: nacrtani prečnik glodala je uvek isti, a menja se nacrtana dubina rezanja.</source>
        <translation>The animation keeps the true ratio of the cutter diameter to the depth of cut: the cutter is always drawn at the same diameter, and the drawn depth of cut changes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dugmetom „Pauza“ modelovanje se zaustavlja, a dugmetom „Proces“ se nastavlja.</source>
        <translation>The “Pause” button stops the simulation and the “Run” button continues it.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dugme „Polazno stanje“ vraća animaciju u početni položaj.</source>
        <translation>The “Initial state” button returns the animation to its starting position.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bilo koji deo oscilografa može se uvećati više puta: pritisnite levo dugme miša u gornjem levom uglu dela koji želite da uvećate, povucite miša udesno i naniže i otpustite dugme. Ponavljanjem postupka slika se dalje uvećava. Povlačenjem miša sa pritisnutim levim dugmetom ulevo i naviše vraća se početna razmera.</source>
        <translation>Any part of the oscillograph can be zoomed in repeatedly: press the left mouse button at the top left corner of the part you want to enlarge, drag the mouse to the right and down, and release the button. Repeating this enlarges the picture further. Dragging the mouse with the left button pressed to the left and up restores the original scale.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Ugao nagiba sečiva</source>
        <translation>Helix angle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Širina glodanja</source>
        <translation>Width of cut</translation>
    </message>
</context>
<context>
    <name>app::LabTools</name>
    <message>
        <location filename="../../app/lab_tools.cpp" line="+80"/>
        <source>Greška</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/recording_tools.cpp" line="+224"/>
        <source>Datoteka &quot;%1&quot; ne može da se zapiše.</source>
        <translation>The file &quot;%1&quot; cannot be written.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Sačuvaj tragove kao CSV</source>
        <translation>Save the traces as CSV</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sačuvaj oscilograf kao PNG</source>
        <translation>Save the oscillograph as PNG</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sačuvaj sliku glodala kao PNG</source>
        <translation>Save the cutter view as PNG</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sačuvaj dnevnik kao CSV</source>
        <translation>Save the run log as CSV</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>glodanje 1.0

Simulator obimnog glodanja za nastavu: geometrijski model strugotine i glavni otpor rezanja, uporedo sa proverom po formulama iz udžbenika.

Licenca: GNU GPL, verzija 3 ili novija. Program je slobodan softver: smete da ga delite i menjate pod uslovima te licence. Isporučuje se bez ikakve garancije.</source>
        <translation>glodanje 1.0

A peripheral milling simulator for teaching: a geometric model of the chip and the main cutting force, side by side with a check against the textbook formulas.

Licence: GNU GPL, version 3 or later. The program is free software: you may share and change it under the terms of that licence. It comes with no warranty whatsoever.</translation>
    </message>
</context>
<context>
    <name>app::MainMenu</name>
    <message>
        <location filename="../../app/main_menu.cpp" line="+66"/>
        <location filename="../../app/main_menu.cpp" line="+63"/>
        <source>&amp;Jezik / Language</source>
        <translation>&amp;Jezik / Language</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Srpski</source>
        <translation>Srpski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>P&amp;rikaz</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Uvećanje</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ceo ekran</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vektori sila</source>
        <translation>Force vectors</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Model sile</source>
        <translation>Force model</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>zbirna strugotina</source>
        <translation>summed chip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>po zubu</source>
        <translation>per tooth</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>&amp;Datoteka</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sačuvaj tragove kao CSV...</source>
        <translation>Save the traces as CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sačuvaj oscilograf kao PNG...</source>
        <translation>Save the oscillograph as PNG...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sačuvaj sliku glodala kao PNG...</source>
        <translation>Save the cutter view as PNG...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Izlaz</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Analiza</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merenja</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dnevnik</source>
        <translation>Run log</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eksperiment...</source>
        <translation>Experiment...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Sile</source>
        <translation>Forces</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Pomoć</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Uputstvo</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../../app/scenario_tools.cpp" line="+146"/>
        <location filename="../../app/scenario_tools.cpp" line="+145"/>
        <location filename="../../app/scenario_tools.cpp" line="+149"/>
        <location filename="../../app/scenario_tools.cpp" line="+144"/>
        <source>Otvori scenario…</source>
        <translation>Open scenario…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sačuvaj scenario…</source>
        <translation>Save scenario…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nedavni</source>
        <translation>Recent</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tekst vežbe</source>
        <translation>Exercise text</translation>
    </message>
    <message>
        <location filename="../../app/recording_tools.cpp" line="-161"/>
        <location line="+70"/>
        <source>Snimi animaciju…</source>
        <translation>Record animation…</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Zaustavi snimanje</source>
        <translation>Stop recording</translation>
    </message>
</context>
<context>
    <name>app::RecordingTools</name>
    <message>
        <location line="-72"/>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Snimi animaciju</source>
        <translation>Record animation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GIF animacija (*.gif)</source>
        <translation>GIF animation (*.gif)</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Snimanje — slika: %1, %2</source>
        <translation>Recording — frames: %1, %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, preskočeno: %1</source>
        <translation>, skipped: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kodiranje animacije nije stizalo za simulacijom, pa neke slike nisu snimljene; snimljene slike traju duže, tako da animacija zadržava vreme simulacije.</source>
        <translation>The encoding of the animation could not keep up with the simulation, so some frames were not recorded; the recorded frames last longer, so the animation keeps the simulation's time.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Snimljeno — slika: %1, %2</source>
        <translation>Recorded — frames: %1, %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Snimanje je prekinuto: slika ima više od 255 boja.</source>
        <translation>The recording stopped: a picture has more than 255 colours.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Snimanje je prekinuto: slike su promenile veličinu.</source>
        <translation>The recording stopped: the pictures changed their size.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Greška</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>app::ScenarioTools</name>
    <message>
        <location line="-122"/>
        <location filename="../../app/scenario_tools.cpp" line="-121"/>
        <location line="-125"/>
        <location line="-120"/>
        <source>Scenario glodanja (*%1)</source>
        <translation>Milling scenario (*%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Greška</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Scenario „%1“</source>
        <translation>Scenario “%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, red %1</source>
        <translation>, line %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ključ „%1“: </source>
        <translation>key “%1”: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>datoteka ne postoji</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>datoteka ne može da se pročita</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>datoteka nije scenario (UTF-8 tekst sa redovima ključ = vrednost)</source>
        <translation>the file is not a scenario (UTF-8 text with key = value lines)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nema odeljka [%1]</source>
        <translation>no [%1] section</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nepoznat ključ „%1“</source>
        <translation>unknown key “%1”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>naveden je drugi put</source>
        <translation>given a second time</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>„%1“ nije broj za ovo polje</source>
        <translation>“%1” is not a number for this field</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 je izvan granica %2..%3</source>
        <translation>%1 is outside the limits %2..%3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nepoznat materijal „%1“</source>
        <translation>unknown material “%1”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>„%1“ nije ni up ni down</source>
        <translation>“%1” is neither up nor down</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>„%1“ nije ni sum ni tooth</source>
        <translation>“%1” is neither sum nor tooth</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scenario „%1“ ne može da se zapiše.</source>
        <translation>Scenario “%1” cannot be written.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>.
Ništa nije promenjeno.</source>
        <translation>.
Nothing was changed.</translation>
    </message>
    <message>
        <location line="+110"/>
        <location line="+117"/>
        <location line="+108"/>
        <source>Vežba</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Otvori scenario</source>
        <translation>Open scenario</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Polje „%1%2“ nema ispravnu vrednost („%3“); scenario nije sačuvan.</source>
        <translation>The field “%1%2” holds no valid value (“%3”); the scenario was not saved.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Ovakav scenario ne bi mogao da se otvori (%1 %2 je izvan granica %3..%4); scenario nije sačuvan.</source>
        <translation>Such a scenario could not be opened (%1 %2 is outside the limits %3..%4); the scenario was not saved.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Sačuvaj scenario</source>
        <translation>Save scenario</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>(nema)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>app::TExperimentWindow</name>
    <message>
        <location filename="../../app/experiment_window.cpp" line="+47"/>
        <source>Vrednost</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taktova</source>
        <translation>Ticks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Najveća debljina, mm</source>
        <translation>Largest chip thickness, mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Najveća sila, N</source>
        <translation>Largest force, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Srednja sila, N</source>
        <translation>Mean force, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poslednji obrt, N</source>
        <translation>Last revolution, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snaga, kW</source>
        <translation>Power, kW</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moment, N m</source>
        <translation>Torque, N m</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Udžbenik: sila, N</source>
        <translation>Textbook: force, N</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Svi materijali obratka</source>
        <translation>All workpiece materials</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Svi materijali alata</source>
        <translation>All tool materials</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oba smera glodanja</source>
        <translation>Both milling directions</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>Eksperiment</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ulaz</source>
        <translation>Input</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Od</source>
        <translation>From</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do</source>
        <translation>To</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korak</source>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pokreni</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prekini</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logaritamske ose</source>
        <translation>Logarithmic axes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zadrži</source>
        <translation>Keep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sačuvaj tabelu kao CSV...</source>
        <translation>Save the table as CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sačuvaj sliku kao PNG...</source>
        <translation>Save the plot as PNG...</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Serija %1</source>
        <translation>Series %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Po jedno izvođenje za svaku stavku liste; ostali ulazi su kao u glavnom prozoru.</source>
        <translation>One run for each item of the list; the other inputs are as in the main window.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Granice polja: %1 do %2 %3; „Do“ nije manje od „Od“, korak je najmanje %4.</source>
        <translation>Field limits: %1 to %2 %3; “To” is not below “From”, the step is at least %4.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Dubina veća od polovine prečnika se preskače.</source>
        <translation> A depth of cut above half the cutter diameter is skipped.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Radi...</source>
        <translation>Running...</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>preskočeno: %1</source>
        <translation>skipped: %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Prekinuto: %1 od %2 izvođenja.</source>
        <translation>Cancelled: %1 of %2 runs.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gotovo: %1 od %2 izvođenja.</source>
        <translation>Done: %1 of %2 runs.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Eksponent: %1 (materijal: %2)</source>
        <translation>Exponent: %1 (material: %2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Sačuvaj tabelu</source>
        <translation>Save the table</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+14"/>
        <source>Datoteka %1 nije upisana.</source>
        <translation>The file %1 was not written.</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Sačuvaj sliku</source>
        <translation>Save the plot</translation>
    </message>
</context>
<context>
    <name>app::TForcesWindow</name>
    <message>
        <location filename="../../app/forces_window.cpp" line="+36"/>
        <source>Sile</source>
        <translation>Forces</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Odnos radijalne i tangencijalne sile zuba K_r = F_r / F_t:</source>
        <translation>Ratio of a tooth's radial to tangential force K_r = F_r / F_t:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Slike prikazuju model sile po zubu. Koju silu prikazuje glavni trag oscilografa, bira se u meniju Model &gt; Model sile.</source>
        <translation>The pictures show the per-tooth force model. Which force the main trace of the oscillograph shows is chosen in the menu Model &gt; Force model.</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <location filename="../../app/form1.cpp" line="+525"/>
        <location filename="../../app/form1.cpp" line="+524"/>
        <location filename="../../app/form1.cpp" line="+533"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../../app/form1_texts.cpp" line="+88"/>
        <location filename="../../app/form1_texts.cpp" line="+85"/>
        <source>Odredjivanje otpora rezanja pri obimnom glodanju</source>
        <translation>Cutting force in peripheral milling</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Suprotnosmerno glodanje</source>
        <translation>Up milling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Istosmerno glodanje</source>
        <translation>Down milling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proces</source>
        <translation>Run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POLAZNI PODACI</source>
        <translation>INPUT DATA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Geometrija alata</source>
        <translation>Tool geometry</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Režim rezanja</source>
        <translation>Cutting conditions</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polazno stanje</source>
        <translation>Initial state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>app::TForm2</name>
    <message>
        <location filename="../../app/help/form2.cpp" line="+41"/>
        <source>Instrukcije</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>app::TMeasurementsWindow</name>
    <message>
        <location filename="../../app/measurements_window.cpp" line="+44"/>
        <source>Broj obrta glodala</source>
        <translation>Spindle speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>o/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pomak po zubu</source>
        <translation>Feed per tooth</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ugao zahvata</source>
        <translation>Engagement angle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Srednji broj zuba u zahvatu</source>
        <translation>Mean number of teeth in cut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zapremina skinutog materijala</source>
        <translation>Material removal rate</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Debljina strugotine, zbir po zubima, sada</source>
        <translation>Chip thickness, sum over the teeth, now</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Debljina strugotine, usrednjena, sada</source>
        <translation>Chip thickness, averaged, now</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glavni otpor rezanja, sada</source>
        <translation>Main cutting force, now</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Broj zuba u zahvatu, sada</source>
        <translation>Teeth in cut, now</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Najveća debljina strugotine, zbir po zubima</source>
        <translation>Largest chip thickness, sum over the teeth</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Najveća debljina strugotine, usrednjena</source>
        <translation>Largest chip thickness, averaged</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Srednja sila u taktovima sa silom</source>
        <translation>Mean force over the ticks with a force</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Najveća debljina strugotine jednog zuba</source>
        <translation>Largest chip thickness of one tooth</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Srednja debljina strugotine</source>
        <translation>Mean chip thickness</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Najveća sila</source>
        <translation>Largest force</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sila jednog zuba pri h_m</source>
        <translation>Force of one tooth at h_m</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Srednja sila (poslednji obrt)</source>
        <translation>Mean force (last revolution)</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+38"/>
        <source>Snaga rezanja</source>
        <translation>Cutting power</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+32"/>
        <source>Obrtni moment</source>
        <translation>Torque</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Srednja tangencijalna sila (poslednji obrt)</source>
        <translation>Mean tangential force (last revolution)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Srednja sila u pravcu pomoćnog kretanja</source>
        <translation>Mean force along the feed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Srednja normalna sila</source>
        <translation>Mean normal force</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rezultanta srednjih sila</source>
        <translation>Resultant of the mean forces</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ugao rezultante</source>
        <translation>Angle of the resultant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Najveća normalna sila</source>
        <translation>Largest normal force</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Sile po zubu: zakon sile primenjen na strugotinu svakog zuba posebno, radijalna sila F_r = K_r·F_t. Pozitivna sila u pravcu pomoćnog kretanja vuče obradak napred, pozitivna normalna sila ga pritiska na sto, negativna ga podiže; ugao 0° je u pravcu pomoćnog kretanja, 90° ka stolu. Udžbenik integrali silu idealne strugotine h = f_z·sin φ od ulaza do izlaza zuba (gornji znak u formulama: suprotno glodanje, donji: istosmerno). Simulirane vrednosti se pojavljuju posle prvog celog obrta.</source>
        <translation>Forces per tooth: the force law applied to each tooth's own chip, radial force F_r = K_r·F_t. A positive force along the feed pulls the workpiece on, a positive normal force presses it onto the table, a negative one lifts it; the angle is 0° along the feed and 90° toward the table. The textbook integrates the force of the ideal chip h = f_z·sin φ from the tooth's entry to its exit (upper sign in the formulas: up milling, lower: down milling). The simulated values appear after the first whole revolution.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Zašto se simulacija i udžbenik razlikuju:
• Putanja zuba: simulacija meri strugotinu na profilu koji su ostavili prethodni zubi, duž stvarne putanje zuba dok obradak napreduje, a ne na krugu; zato najveća debljina nije tačno f_z·sin φ_s.
• Nagib sečiva: kosi zub ulazi u zahvat postepeno, pa simulacija usrednjava zbir debljina po nekoliko taktova; to snižava vrh sile ispod F(h_max) i razvlači silu preko taktova.
• Stepeni zakon: sila raste sa debljinom na stepen manji od 1, pa sila srednje debljine nije srednja vrednost sile. Simulacija primenjuje zakon na debljinu usrednjenu po nagibu (to podiže srednju silu) i na zbir debljina svih zuba u zahvatu (to je spušta kada je u zahvatu više zuba, pri većoj dubini i broju zuba); udžbenik računa z_e·F(h_m), silu po zubu pomnoženu brojem zuba.
Sile i snaga se porede kada su materijali izabrani.</source>
        <translation>Why the simulation and the textbook differ:
• Tooth path: the simulation measures the chip on the profile left by the previous teeth, along the true path of the tooth while the workpiece advances, not on a circle; so the largest thickness is not exactly f_z·sin φ_s.
• Helix: an inclined tooth enters the cut gradually, so the simulation averages the sum of the thicknesses over several ticks; this lowers the force peak below F(h_max) and spreads the force over the ticks.
• Power law: the force grows with the thickness to a power below 1, so the force at the mean thickness is not the mean force. The simulation applies the law to the thickness averaged over the helix (which raises the mean force) and to the sum of the thicknesses of all teeth in cut (which lowers it when more teeth are in cut, at a larger depth and more teeth); the textbook computes z_e·F(h_m), the force per tooth multiplied by the number of teeth.
Forces and power are compared once the materials are chosen.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>podiže</source>
        <translation>lifts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pritiska</source>
        <translation>presses</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Merenja</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Uslovi rezanja</source>
        <translation>Cutting conditions</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Simulacija</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Provera po udžbeniku</source>
        <translation>Textbook check</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Udžbenik</source>
        <translation>Textbook</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jedinica</source>
        <translation>Unit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Razlika, %</source>
        <translation>Difference, %</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Sile po zubu</source>
        <translation>Forces per tooth</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Odnos radijalne i tangencijalne sile</source>
        <translation>Ratio of radial to tangential force</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Dodaj u dnevnik</source>
        <translation>Add to the run log</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dnevnik</source>
        <translation>Run log</translation>
    </message>
</context>
<context>
    <name>app::TRunLogWindow</name>
    <message>
        <location filename="../../app/run_log_window.cpp" line="+20"/>
        <source>D, mm</source>
        <translation>D, mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grudni ugao, rad</source>
        <translation>Rake angle, rad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ledni ugao, rad</source>
        <translation>Clearance angle, rad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ugao nagiba, rad</source>
        <translation>Helix angle, rad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>v, m/min</source>
        <translation>v, m/min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>v_f, mm/min</source>
        <translation>v_f, mm/min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a, mm</source>
        <translation>a, mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B, mm</source>
        <translation>B, mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obradak</source>
        <translation>Workpiece</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alat</source>
        <translation>Tool</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Smer</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model sile</source>
        <translation>Force model</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K_r</source>
        <translation>K_r</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kraj hoda</source>
        <translation>End of feed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taktova</source>
        <translation>Ticks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>h_max, mm</source>
        <translation>h_max, mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F_max, N</source>
        <translation>F_max, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F_sr, N</source>
        <translation>F_mean, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F_sr obrta, N</source>
        <translation>F_mean revolution, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P, kW</source>
        <translation>P, kW</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M, N·m</source>
        <translation>M, N·m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Udž. h_max, mm</source>
        <translation>Textb. h_max, mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Udž. F(h_max), N</source>
        <translation>Textb. F(h_max), N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Udž. z_e·F(h_m), N</source>
        <translation>Textb. z_e·F(h_m), N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Udž. P, kW</source>
        <translation>Textb. P, kW</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Udž. M, N·m</source>
        <translation>Textb. M, N·m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Razlika F_sr, %</source>
        <translation>Difference F_mean, %</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Dnevnik</source>
        <translation>Run log</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dodaj tekuće stanje</source>
        <translation>Add the current state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukloni red</source>
        <translation>Remove row</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obriši sve</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sačuvaj CSV...</source>
        <translation>Save CSV...</translation>
    </message>
</context>
<context>
    <name>force_views</name>
    <message>
        <location filename="../../force_views/engagement_map.cpp" line="+56"/>
        <source>Razvijeni obim glodala</source>
        <translation>Cutter surface unrolled</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ugao od najniže tačke glodala, °</source>
        <translation>Angle from the cutter's lowest point, °</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visina duž ose, mm</source>
        <translation>Height along the axis, mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zona rezanja</source>
        <translation>cutting zone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sečivo</source>
        <translation>cutting edge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sečivo u zahvatu</source>
        <translation>edge in the cut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Širina sečiva u zahvatu</source>
        <translation>Width of edge in the cut</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../force_views/force_traces.cpp" line="+68"/>
        <source>Vreme, s</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zbir po zubima, mm</source>
        <translation>Sum over the teeth, mm</translation>
    </message>
    <message>
        <location filename="../../force_views/force_traces.cpp" line="-45"/>
        <source>F_t tangencijalna</source>
        <translation>F_t tangential</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F_t srednja obrta</source>
        <translation>F_t revolution mean</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F_f u pravcu pomaka</source>
        <translation>F_f along the feed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F_f srednja obrta</source>
        <translation>F_f revolution mean</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F_n normalna</source>
        <translation>F_n normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F_n srednja obrta</source>
        <translation>F_n revolution mean</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Sile po zubu</source>
        <translation>Per-tooth forces</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sila, N</source>
        <translation>Force, N</translation>
    </message>
    <message>
        <location filename="../../force_views/polar_diagram.cpp" line="+127"/>
        <source>Sila na obratku</source>
        <translation>Force on the workpiece</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U pravcu pomaka F_f, N</source>
        <translation>Along the feed F_f, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normalna F_n, N</source>
        <translation>Normal F_n, N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>poslednji obrt</source>
        <translation>last revolution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sada</source>
        <translation>now</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>srednja obrta</source>
        <translation>revolution mean</translation>
    </message>
</context>
<context>
    <name>lab::SweepPlot</name>
    <message>
        <location filename="../../lab/sweep_plot.cpp" line="+92"/>
        <source>Srednja sila pri promeni jednog ulaza</source>
        <translation>Mean force as one input varies</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Srednja sila, N</source>
        <translation>Mean force, N</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>simulacija</source>
        <translation>simulation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>udžbenik</source>
        <translation>textbook</translation>
    </message>
    <message>
        <location filename="../../lab/sweep.cpp" line="+218"/>
        <source>Smer glodanja</source>
        <translation>Milling direction</translation>
    </message>
</context>
<context>
    <name>oscillograph</name>
    <message>
        <location filename="../../oscillograph/oscillograph.cpp" line="+43"/>
        <source>Oscilograf</source>
        <translation>Oscillograph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vreme, s</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glavni otpor rezanja, N</source>
        <translation>Main cutting force, N</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Debljina strugotine, mm</source>
        <translation>Chip thickness, mm</translation>
    </message>
</context>
<context>
    <name>sim</name>
    <message>
        <location filename="../../sim/input_fields.h" line="+89"/>
        <source>Prečnik glodala, mm</source>
        <translation>Cutter diameter, mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Broj zuba</source>
        <translation>Number of teeth</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grudni ugao, </source>
        <translation>Rake angle, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ledni ugao, </source>
        <translation>Clearance angle, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ugao nagiba sečiva, </source>
        <translation>Helix angle, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Brzina rezanja, m/min</source>
        <translation>Cutting speed, m/min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Brzina pomoćnog </source>
        <translation>Feed speed, </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>kretanja, mm/min</source>
        <translation>mm/min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dubina, mm</source>
        <translation>Depth of cut, mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Širina, mm</source>
        <translation>Width of cut, mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Maksimalna</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>sila, N</source>
        <translation>force, N</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>debljina, mm</source>
        <translation>chip, mm</translation>
    </message>
    <message>
        <location filename="../../sim/materials.h" line="+21"/>
        <source>Materijal obratka</source>
        <translation>Workpiece material</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Materijal alata</source>
        <translation>Tool material</translation>
    </message>
    <message>
        <location filename="../../sim/materials.cpp" line="+56"/>
        <source>Izaberite materijal alata i obratka!</source>
        <translation>Choose the tool and the workpiece material!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Materijal alata nije zadat!</source>
        <translation>No tool material chosen!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Materijal obratka nije zadat!</source>
        <translation>No workpiece material chosen!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Izabrani materijal alata ne odgovara</source>
        <translation>The chosen tool material is unsuitable</translation>
    </message>
    <message>
        <location filename="../../sim/tool_inputs.h" line="+102"/>
        <source>Mali ledjni ugao!</source>
        <translation>Clearance angle too small!</translation>
    </message>
</context>
</TS>
