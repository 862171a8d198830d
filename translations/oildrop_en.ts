<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AirInputs</name>
    <message>
        <source>Давление должно быть больше нуля!</source>
        <translation>The pressure must be greater than zero!</translation>
    </message>
    <message>
        <source>Ниже абсолютного нуля (−273,15 °C) температуры не бывает!</source>
        <translation>There is no temperature below absolute zero (−273.15 °C)!</translation>
    </message>
    <message>
        <source>Давление должно быть от 1000 до 200 000 Па!</source>
        <translation>The pressure must be from 1000 to 200 000 Pa!</translation>
    </message>
    <message>
        <source>Температура должна быть от −50 до 100 °C!</source>
        <translation>The temperature must be from −50 to 100 °C!</translation>
    </message>
</context>
<context>
    <name>AnalysisWording</name>
    <message>
        <source>ни один заряд не отличим от нуля</source>
        <translation>no charge can be told from zero</translation>
    </message>
    <message>
        <source>заряды не ложатся на кратные одного и того же e</source>
        <translation>the charges do not fall on the multiples of one and the same e</translation>
    </message>
    <message>
        <source>заряды ложатся на кратные не одного e, и выбрать между ними нельзя: измерьте больше зарядов, лучше малых (в несколько e)</source>
        <translation>the charges lie near the multiples of more than one e, and there is no telling which: measure more charges, preferably small ones (a few e)</translation>
    </message>
    <message>
        <source>заряды слишком неточны, чтобы сказать, сколько e в каждом: засеките больше подъёмов и падений, на большем пути</source>
        <translation>the charges are too imprecise to tell how many e each holds: time more rises and falls, over longer distances</translation>
    </message>
    <message>
        <source>заряды разбросаны больше своих погрешностей, и так сильно, что нельзя сказать, сколько e в каждом: засеките каждое состояние заряда несколько раз и удалите промахи</source>
        <translation>the charges scatter more than their errors allow, so much that there is no telling how many e each holds: time each charge state several times and strike out the slips</translation>
    </message>
    <message>
        <source>надёжных зарядов %1, а нужно не меньше %2: по меньшему их числу нельзя отличить e от 2e или 3e (все они могли случайно оказаться чётными); облучайте каплю, измеряйте новые состояния её заряда и новые капли</source>
        <translation>%1 reliable charges, and at least %2 are needed: fewer cannot tell e from 2e or 3e (all of them could be even by chance); irradiate the drop, measure new charge states and new drops</translation>
    </message>
    <message>
        <source>%1: оценки нет — %2.</source>
        <translation>%1: no estimate — %2.</translation>
    </message>
    <message>
        <source>%1: e = (%2 ± %3)·10⁻¹⁹ Кл</source>
        <translation>%1: e = (%2 ± %3)·10⁻¹⁹ C</translation>
    </message>
    <message>
        <source>    стандартная неопределённость %1·10⁻¹⁹ Кл; расширенная (k = 2, около 95 %) ±%2·10⁻¹⁹ Кл</source>
        <translation>    standard uncertainty %1·10⁻¹⁹ C; expanded (k = 2, about 95 %) ±%2·10⁻¹⁹ C</translation>
    </message>
    <message>
        <source>    использовано %1 из %2 (капель: %3 из %4)</source>
        <translation>    used %1 of %2 (drops: %3 of %4)</translation>
    </message>
    <message>
        <source>    отклонение от 1,602 176 634·10⁻¹⁹ Кл: %1 % (%2 u)</source>
        <translation>    deviation from 1.602 176 634·10⁻¹⁹ C: %1 % (%2 u)</translation>
    </message>
    <message>
        <source>    заряды разбросаны больше своих погрешностей: неопределённость оценена по разбросу</source>
        <translation>    the charges scatter more than their errors: the uncertainty is estimated from the scatter</translation>
    </message>
    <message>
        <source>Зарядов ещё нет: измерьте скорость капли без поля и в поле.</source>
        <translation>No charges yet: measure the velocity of a drop without field and with the field.</translation>
    </message>
    <message>
        <source>По зарядам капель</source>
        <translation>From the drops&apos; charges</translation>
    </message>
    <message>
        <source>    отрицательные заряды входят в оценку по модулю</source>
        <translation>    negative charges take part in the estimate by their size</translation>
    </message>
    <message>
        <source>По изменениям заряда при облучении</source>
        <translation>From the charge changes on irradiation</translation>
    </message>
    <message>
        <source>Оценки различаются в %1 раза: одна из них нашла кратное e (в ней все значения оказались кратны %1e).</source>
        <translation>The estimates differ by a factor of %1: one of them has found a multiple of e (all its values turned out to be multiples of %1e).</translation>
    </message>
    <message>
        <source>Оценки не согласуются (расходятся на %1 своих неопределённостей): вернее та, что получена по большему числу значений; измерьте больше капель.</source>
        <translation>The estimates disagree (they are %1 of their uncertainties apart): trust the one from more values; measure more drops.</translation>
    </message>
    <message>
        <source>Экстраполяция к 1/(p·a) = 0: нужно не меньше %1 капель неизвестного размера с поправкой на скольжение и с надёжными зарядами, лучше при разных давлениях (сейчас %2).</source>
        <translation>Extrapolation to 1/(p·a) = 0: it needs at least %1 drops of unknown size with the slip correction and with reliable charges, best at different pressures (now %2).</translation>
    </message>
    <message>
        <source>По экстраполяции к 1/(p·a) = 0 (капель: %1): e = (%2 ± %3)·10⁻¹⁹ Кл, расширенная ±%4·10⁻¹⁹ Кл</source>
        <translation>By the extrapolation to 1/(p·a) = 0 (drops: %1): e = (%2 ± %3)·10⁻¹⁹ C, expanded ±%4·10⁻¹⁹ C</translation>
    </message>
    <message>
        <source>    b = (%1 ± %2)·10⁻³ Па·м; отклонение e от 1,602 176 634·10⁻¹⁹ Кл: %3 %</source>
        <translation>    b = (%1 ± %2)·10⁻³ Pa·m; deviation of e from 1.602 176 634·10⁻¹⁹ C: %3 %</translation>
    </message>
</context>
<context>
    <name>ArtworkIconEngine</name>
    <message>
        <source>таблица</source>
        <translation>table</translation>
    </message>
</context>
<context>
    <name>Assignment</name>
    <message>
        <source>файл слишком велик для задания группы</source>
        <translation>the file is too large for a group assignment</translation>
    </message>
    <message>
        <source>файл повреждён или обрезан (%1, позиция %2)</source>
        <translation>the file is damaged or cut off (%1, position %2)</translation>
    </message>
    <message>
        <source>это не файл задания группы</source>
        <translation>this is not a group assignment file</translation>
    </message>
    <message>
        <source>неверное значение «%1»</source>
        <translation>invalid value “%1”</translation>
    </message>
    <message>
        <source>задание записано более новой версией программы</source>
        <translation>the task was written by a newer version of the program</translation>
    </message>
    <message>
        <source>неверное значение «%1» в %2</source>
        <translation>invalid value “%1” in %2</translation>
    </message>
    <message>
        <source>все веса оценки в «%1» равны нулю</source>
        <translation>all the grade weights in “%1” are zero</translation>
    </message>
    <message>
        <source>в задании нет списка группы</source>
        <translation>the assignment has no roster</translation>
    </message>
    <message>
        <source>больше %1 студентов</source>
        <translation>more than %1 students</translation>
    </message>
    <message>
        <source>студенте %1</source>
        <translation>student %1</translation>
    </message>
    <message>
        <source>неверное значение в %1</source>
        <translation>invalid value in %1</translation>
    </message>
</context>
<context>
    <name>AssignmentFolder</name>
    <message>
        <source>%1: файл слишком велик для списка группы</source>
        <translation>%1: the file is too large for a roster</translation>
    </message>
    <message>
        <source>%1: не удалось прочитать (%2)</source>
        <translation>%1: could not be read (%2)</translation>
    </message>
    <message>
        <source>%1: строка %2: %3</source>
        <translation>%1: line %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: задание уже есть, его секрет не заменяется; выберите другую папку</source>
        <translation>%1: an assignment is already there and its secret is never replaced; choose another folder</translation>
    </message>
    <message>
        <source>%1: не удалось создать папку</source>
        <translation>%1: the folder could not be created</translation>
    </message>
    <message>
        <source>%1: не удалось записать (%2)</source>
        <translation>%1: could not be written (%2)</translation>
    </message>
    <message>
        <source>Заданий: %1, в папке %2. Файл %3 храните у себя; каждому студенту — его файл из %4.</source>
        <translation>Tasks: %1, in the folder %2. Keep the file %3 to yourself; send each student their own file from %4.</translation>
    </message>
</context>
<context>
    <name>AuthorsWindow</name>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>Авторы: разработчики проекта oildrop</source>
        <translation>Authors: the oildrop project members</translation>
    </message>
    <message>
        <source>Версия 1.0.0, декабрь 2026 г.</source>
        <translation>Version 1.0.0, December 2026</translation>
    </message>
    <message>
        <source>Учебная модель для студентов</source>
        <translation>A teaching model for students</translation>
    </message>
    <message>
        <source>Программа на C++ и Qt 6</source>
        <translation>Written in C++ with Qt 6</translation>
    </message>
    <message>
        <source>Русский и английский интерфейс</source>
        <translation>Russian and English interface</translation>
    </message>
    <message>
        <source>Справка: меню «Помощь»</source>
        <translation>Help: the “Help” menu</translation>
    </message>
</context>
<context>
    <name>ChargePlots</name>
    <message>
        <source>Распределение зарядов</source>
        <translation>Distribution of the charges</translation>
    </message>
    <message>
        <source>Заряды капель</source>
        <translation>Charges of the drops</translation>
    </message>
    <message>
        <source>q, 10⁻¹⁹ Кл</source>
        <translation>q, 10⁻¹⁹ C</translation>
    </message>
    <message>
        <source>число зарядов</source>
        <translation>number of charges</translation>
    </message>
    <message>
        <source>номер капли</source>
        <translation>drop number</translation>
    </message>
</context>
<context>
    <name>ClassPool</name>
    <message>
        <source>(%1 ± %2)·10⁻¹⁹ Кл</source>
        <translation>(%1 ± %2)·10⁻¹⁹ C</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>студент</source>
        <translation>student</translation>
    </message>
    <message>
        <source>группа</source>
        <translation>group</translation>
    </message>
    <message>
        <source>капель</source>
        <translation>drops</translation>
    </message>
    <message>
        <source>зарядов в оценке</source>
        <translation>charges in the estimate</translation>
    </message>
    <message>
        <source>e (Кл)</source>
        <translation>e (C)</translation>
    </message>
    <message>
        <source>U (k = 2, Кл)</source>
        <translation>U (k = 2, C)</translation>
    </message>
    <message>
        <source>отклонение (%)</source>
        <translation>deviation (%)</translation>
    </message>
    <message>
        <source>причина отказа</source>
        <translation>reason refused</translation>
    </message>
    <message>
        <source>Измерение элементарного заряда: сводка группы</source>
        <translation>Measuring the elementary charge: the group&apos;s summary</translation>
    </message>
    <message>
        <source>Группа:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>По всем зарядам вместе</source>
        <translation>From all charges together</translation>
    </message>
    <message>
        <source>e = %1 (расширенная неопределённость, k = 2); использовано зарядов: %2 из %3, журналов: %4; отклонение от 1,602 176 634·10⁻¹⁹ Кл: %5</source>
        <translation>e = %1 (expanded uncertainty, k = 2); charges used: %2 of %3, journals: %4; deviation from 1.602 176 634·10⁻¹⁹ C: %5</translation>
    </message>
    <message>
        <source>Журналы</source>
        <translation>Journals</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Капель</source>
        <translation>Drops</translation>
    </message>
    <message>
        <source>Зарядов в оценке</source>
        <translation>Charges in the estimate</translation>
    </message>
    <message>
        <source>e ± U (k = 2)</source>
        <translation>e ± U (k = 2)</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Не прочитаны</source>
        <translation>Not read</translation>
    </message>
    <message>
        <source>Гистограмма всех зарядов — на последней странице.</source>
        <translation>The histogram of all charges is on the last page.</translation>
    </message>
    <message>
        <source>Сводка группы</source>
        <translation>The group&apos;s summary</translation>
    </message>
    <message>
        <source>Зарядов нет: гистограммы нет.</source>
        <translation>No charges: no histogram.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>«%1» (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>%1 — копия: те же измерения, что в %2; в общую оценку не вошёл</source>
        <translation>%1 is a copy: the same measurements as in %2; not in the pooled estimate</translation>
    </message>
    <message>
        <source>оценки нет — %1</source>
        <translation>no estimate — %1</translation>
    </message>
    <message>
        <source>почему оценки нет</source>
        <translation>why no estimate</translation>
    </message>
    <message>
        <source>копия журнала</source>
        <translation>copy of journal</translation>
    </message>
    <message>
        <source>Оценки нет (зарядов %1, журналов: %2): %3.</source>
        <translation>No estimate (%1 charges, %2 journals): %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n журнал — копия другого: в оценку не вошёл (ниже).|%n журнала — копии других: в оценку не вошли (ниже).|%n журналов — копии других: в оценку не вошли (ниже).</source>
        <translation>
            <numerusform>%n journal is a copy of another: not in the estimate (see below).</numerusform>
            <numerusform>%n journals are copies of others: not in the estimate (see below).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (копия %2)</source>
        <translation>%1 (copy of %2)</translation>
    </message>
    <message>
        <source>Копии</source>
        <translation>Copies</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>ни один журнал не прочитан</source>
        <translation>no journal could be read</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <source>Журналы группы</source>
        <translation>Group journals</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Капель</source>
        <translation>Drops</translation>
    </message>
    <message>
        <source>Зарядов в оценке</source>
        <translation>Charges in the estimate</translation>
    </message>
    <message>
        <source>e ± U (k = 2)</source>
        <translation>e ± U (k = 2)</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>&amp;Журналы</source>
        <translation>&amp;Journals</translation>
    </message>
    <message>
        <source>Открыть журналы…</source>
        <translation>Open journals…</translation>
    </message>
    <message>
        <source>Отчёт группы (PDF)…</source>
        <translation>Group report (PDF)…</translation>
    </message>
    <message>
        <source>Экспорт таблицы (CSV)…</source>
        <translation>Export table (CSV)…</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Откройте журналы группы (%1): можно выбрать сразу много файлов.</source>
        <translation>Open the group&apos;s journals (%1): many files can be chosen at once.</translation>
    </message>
    <message>
        <source>По всем зарядам вместе (%1 из %2, журналов: %3): e = %4; отклонение %5.</source>
        <translation>From all charges together (%1 of %2, journals: %3): e = %4; deviation %5.</translation>
    </message>
    <message>
        <source>По всем зарядам вместе (%1, журналов: %2): оценки нет — %3.</source>
        <translation>From all charges together (%1, journals: %2): no estimate — %3.</translation>
    </message>
    <message>
        <source>«%1»: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>Не прочитаны:</source>
        <translation>Not read:</translation>
    </message>
    <message>
        <source>Лабораторный журнал (*.json)</source>
        <translation>Laboratory journal (*.json)</translation>
    </message>
    <message>
        <source>Отчёт группы</source>
        <translation>Group report</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Экспорт таблицы</source>
        <translation>Export table</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»:
%2.</source>
        <translation>Could not save the file “%1”:
%2.</translation>
    </message>
    <message>
        <source>%1 (копия %2)</source>
        <translation>%1 (copy of %2)</translation>
    </message>
    <message>
        <source>оценки нет</source>
        <translation>no estimate</translation>
    </message>
    <message>
        <source>Копии (в общую оценку не вошли):</source>
        <translation>Copies (not in the pooled estimate):</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>Надёжных зарядов достаточно: найдите e в журнале (Ctrl+J), вкладка «Определение e».</source>
        <translation>There are enough reliable charges: find e in the journal (Ctrl+J), tab “Finding e”.</translation>
    </message>
    <message>
        <source>Надёжных зарядов %1: e = (%2 ± %3)·10⁻¹⁹ Кл, расширенная неопределённость %4 %. Результат и его разбор — в журнале (Ctrl+J), вкладка «Определение e».</source>
        <translation>Reliable charges: %1; e = (%2 ± %3)·10⁻¹⁹ C, expanded uncertainty %4 %. The result and how it was found are in the journal (Ctrl+J), tab “Finding e”.</translation>
    </message>
    <message>
        <source>Поставьте замедление %1 (полоса «Замедление времени» в главном окне): капля пойдёт медленнее, и рука при отсчёте ошибётся меньше.</source>
        <translation>Set the slow-down to %1 (the bar “Time slow-down” in the main window): the drop will move more slowly, and your hand will err less in a timing.</translation>
    </message>
    <message>
        <source>Нажмите «ПУСК» (F5): между пластинами появится капля, её будете удерживать и засекать.</source>
        <translation>Press “START” (F5): a drop appears between the plates; you will hold it there and time it.</translation>
    </message>
    <message>
        <source>Капля %1 коснулась пластины и потеряна. Нажмите «ПУСК» (F5) для новой и держите её между 1-й и 8-й линиями, включая и выключая поле (F6).</source>
        <translation>Drop %1 touched a plate and is lost. Press “START” (F5) for a new one and keep it between the 1st and the 8th line, switching the field on and off (F6).</translation>
    </message>
    <message>
        <source>В поле капля падает быстрее, чем без него: поле толкает её вниз. Смените полярность (Shift+F6).</source>
        <translation>In the field the drop falls faster than without it: the field pushes it down. Reverse the polarity (Shift+F6).</translation>
    </message>
    <message>
        <source>Даже при %1 кВ капля в поле почти не поднимается: зарядов на ней мало. Начните новую каплю (F5).</source>
        <translation>Even at %1 kV the drop hardly rises in the field: it carries few charges. Start a new drop (F5).</translation>
    </message>
    <message>
        <source>В поле капля поднимается слишком медленно или не поднимается: прибавьте напряжение на 10 % (Shift+PgUp), пока она не пойдёт вверх примерно так же быстро, как падала.</source>
        <translation>In the field the drop rises too slowly or not at all: raise the voltage by 10 % (Shift+PgUp) until it rises about as fast as it fell.</translation>
    </message>
    <message>
        <source>В поле капля поднимается слишком быстро, подъём трудно засечь: убавьте напряжение на 10 % (Shift+PgDn).</source>
        <translation>In the field the drop rises too fast to time well: lower the voltage by 10 % (Shift+PgDn).</translation>
    </message>
    <message>
        <source>Чтобы уточнить e, измерьте ещё капли: неопределённость убывает как 1/√N.</source>
        <translation>To make e more precise, measure more drops: the uncertainty falls as 1/√N.</translation>
    </message>
    <message>
        <source>Поставьте путь секундомера %1 дел. (поле «Путь»): от %2-й до %3-й линии.</source>
        <translation>Set the stopwatch&apos;s distance to %1 div. (the box “Distance”): from line %2 to line %3.</translation>
    </message>
    <message>
        <source>Запишите промежутки в журнал (F12): из записанных считается заряд.</source>
        <translation>Record the timings in the journal (F12): the charge is computed from those recorded.</translation>
    </message>
    <message>
        <source>Капля проходит %1 делений за %2 с, быстрее %3 с: она крупная, заряд у неё во много e, и кратность не различить. Начните другую каплю (F5).</source>
        <translation>The drop covers %1 divisions in %2 s, faster than %3 s: it is large, its charge is many e, and its multiple cannot be told. Start another drop (F5).</translation>
    </message>
    <message>
        <source>Капля измерена в %1 зарядовых состояниях. Начните новую каплю (F5): e точнее по многим каплям.</source>
        <translation>The drop is measured in %1 charge states. Start a new drop (F5): many drops give a more precise e.</translation>
    </message>
    <message>
        <source>Состояние измерено. Облучите каплю (F7) сейчас, при выключенном поле: капля захватит ионы и получит новый заряд.</source>
        <translation>The state is measured. Irradiate the drop (F7) now, with the field off: the drop takes up ions and gets a new charge.</translation>
    </message>
    <message>
        <source>Капля ниже %1-й линии: включите поле (F6), иначе она коснётся пластины.</source>
        <translation>The drop is below line %1: switch the field on (F6), or it will touch the plate.</translation>
    </message>
    <message>
        <source>Капля выше 1-й линии: выключите поле (F6), иначе она коснётся пластины.</source>
        <translation>The drop is above line 1: switch the field off (F6), or it will touch the plate.</translation>
    </message>
    <message>
        <source>Состояние измерено: три падения и три подъёма. Когда капля поднимется в верхнюю половину, выключите поле (F6) и облучите её (F7): без поля ионы достаются капле.</source>
        <translation>The state is measured: three falls and three rises. When the drop has risen into the upper half, switch the field off (F6) and irradiate it (F7): without the field the ions reach the drop.</translation>
    </message>
    <message>
        <source>Капля падает без поля: посмотрите, как быстро. Когда она опустится до 3-й линии, включите поле (F6).</source>
        <translation>The drop falls without the field: watch how fast. When it reaches line 3, switch the field on (F6).</translation>
    </message>
    <message>
        <source>Включите поле (F6) и поворачивайте напряжение, пока капля не станет подниматься примерно так же быстро, как падала.</source>
        <translation>Switch the field on (F6) and turn the voltage until the drop rises about as fast as it fell.</translation>
    </message>
    <message>
        <source>Засекайте падения без поля и подъёмы в поле, каждый от %1-й до %2-й линии: F8 на одной линии, F8 на другой. Падений %3 из %5, подъёмов %4 из %5.</source>
        <translation>Time falls without the field and rises in the field, each from line %1 to line %2: F8 at one line, F8 at the other. Falls: %3 of %5, rises: %4 of %5.</translation>
    </message>
</context>
<context>
    <name>CoachPanel</name>
    <message>
        <source>Подсказка</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Заряд капли появится здесь, когда её отсчёты будут в журнале.</source>
        <translation>The drop&apos;s charge appears here once its timings are in the journal.</translation>
    </message>
    <message>
        <source>Капля %1, облучений %2: падений %3, отсчётов в поле %4</source>
        <translation>Drop %1, irradiations %2: falls %3, timings in the field %4</translation>
    </message>
    <message>
        <source>, их разброс %1 с</source>
        <translation>, their spread %1 s</translation>
    </message>
    <message>
        <source>q = (%1 ± %2)·10⁻¹⁹ Кл</source>
        <translation>q = (%1 ± %2)·10⁻¹⁹ C</translation>
    </message>
    <message>
        <source> ≈ %1 e</source>
        <translation> ≈ %1 e</translation>
    </message>
    <message>
        <source>q: нужны падения и отсчёты в поле в журнале.</source>
        <translation>q: needs falls and timings in the field in the journal.</translation>
    </message>
    <message>
        <source>e по журналу: (%1 ± %2)·10⁻¹⁹ Кл (расширенная неопределённость), надёжных зарядов %3</source>
        <translation>e of the journal: (%1 ± %2)·10⁻¹⁹ C (expanded uncertainty), reliable charges: %3</translation>
    </message>
    <message>
        <source>Подсказка: %1</source>
        <translation>Coach: %1</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source> кг</source>
        <translation> kg</translation>
    </message>
    <message>
        <source> В/м</source>
        <translation> V/m</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source> м/c</source>
        <translation> m/s</translation>
    </message>
</context>
<context>
    <name>DropSummaryModel</name>
    <message>
        <source>%1 ± %2</source>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>Капля</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Измерений</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Скорость, м/с (среднее ± ст. откл.)</source>
        <translation>Velocity, m/s (mean ± std. dev.)</translation>
    </message>
    <message>
        <source>Заряд, 10⁻¹⁹ Кл (среднее ± ст. откл.)</source>
        <translation>Charge, 10⁻¹⁹ C (mean ± std. dev.)</translation>
    </message>
    <message>
        <source>%1 (потеряна)</source>
        <translation>%1 (lost)</translation>
    </message>
    <message>
        <source>%1 + равновесий: %2</source>
        <translation>%1 + balances: %2</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Облучений</source>
        <translation>Irradiations</translation>
    </message>
    <message>
        <source>Замечания</source>
        <translation>Remarks</translation>
    </message>
</context>
<context>
    <name>Experiment</name>
    <message>
        <source>ЗАМЕЧАНИЕ</source>
        <translation>REMARK</translation>
    </message>
    <message>
        <source>Опыт выполнен неверно. Вы не Вельтран! Прочтите описание и инструкцию.</source>
        <translation>The experiment was performed incorrectly. You are not Veltran! Read the description and the instructions.</translation>
    </message>
    <message>
        <source>Движение капли окончено.</source>
        <translation>The droplet&apos;s run is over.</translation>
    </message>
    <message>
        <source>Опыт выполнен верно.</source>
        <translation>The experiment was performed correctly.</translation>
    </message>
    <message>
        <source>Поле выключено.</source>
        <translation>The field is off.</translation>
    </message>
    <message>
        <source>Поле включено, полярность обратная.</source>
        <translation>The field is on, the polarity reversed.</translation>
    </message>
    <message>
        <source>Поле включено.</source>
        <translation>The field is on.</translation>
    </message>
    <message>
        <source>Полярность обратная.</source>
        <translation>The polarity is reversed.</translation>
    </message>
    <message>
        <source>Полярность прямая.</source>
        <translation>The polarity is normal.</translation>
    </message>
    <message>
        <source>Облучение: заряд капли изменился (облучений: %1).</source>
        <translation>Irradiation: the droplet&apos;s charge has changed (irradiations: %1).</translation>
    </message>
    <message>
        <source>Капля коснулась пластины и потеряна.</source>
        <translation>The droplet touched a plate and is lost.</translation>
    </message>
    <message>
        <source>Капля отпущена.</source>
        <translation>The drop has been let go.</translation>
    </message>
</context>
<context>
    <name>ExtrapolationPlot</name>
    <message>
        <source>Экстраполяция к 1/(p·a) = 0</source>
        <translation>Extrapolation to 1/(p·a) = 0</translation>
    </message>
    <message>
        <source>Нет капель с поправкой на скольжение</source>
        <translation>No drops with the slip correction</translation>
    </message>
    <message>
        <source>1/(p·a), 1/(Па·м)</source>
        <translation>1/(p·a), 1/(Pa·m)</translation>
    </message>
    <message>
        <source>e^(2/3), (10⁻¹⁹ Кл)^(2/3)</source>
        <translation>e^(2/3), (10⁻¹⁹ C)^(2/3)</translation>
    </message>
</context>
<context>
    <name>FieldStates</name>
    <message>
        <source>без поля</source>
        <translation>without field</translation>
    </message>
    <message>
        <source>в поле</source>
        <translation>in the field</translation>
    </message>
    <message>
        <source>в поле, обратная полярность</source>
        <translation>in the field, polarity reversed</translation>
    </message>
</context>
<context>
    <name>GradeBook</name>
    <message>
        <source>журнал не сдан</source>
        <translation>no journal handed in</translation>
    </message>
    <message>
        <source>журнал измерен не по заданию: в нём нет задания</source>
        <translation>the journal was not measured for a task: it names none</translation>
    </message>
    <message>
        <source>задания «%1» в этом списке нет</source>
        <translation>the task “%1” is not on this roster</translation>
    </message>
    <message>
        <source>за это задание сдан ещё журнал «%1»</source>
        <translation>another journal was handed in for this task: “%1”</translation>
    </message>
    <message>
        <source>файл задания, названный в журнале, не тот, что выдан этому студенту</source>
        <translation>the task file the journal names is not the one handed to this student</translation>
    </message>
    <message>
        <source>журнал подписан «%1», а задание выдано «%2»</source>
        <translation>the journal is signed “%1”, but the task was handed to “%2”</translation>
    </message>
    <message>
        <source>капель не проверено: %1 (их времена превышают проверяемое)</source>
        <translation>drops not checked: %1 (their times exceed what is checked)</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>имя</source>
        <translation>name</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>журнал</source>
        <translation>journal</translation>
    </message>
    <message>
        <source>e (Кл)</source>
        <translation>e (C)</translation>
    </message>
    <message>
        <source>U (k = 2, Кл)</source>
        <translation>U (k = 2, C)</translation>
    </message>
    <message>
        <source>отклонение (%)</source>
        <translation>deviation (%)</translation>
    </message>
    <message>
        <source>капель</source>
        <translation>drops</translation>
    </message>
    <message>
        <source>надёжных зарядов</source>
        <translation>certain charges</translation>
    </message>
    <message>
        <source>замечания</source>
        <translation>flags</translation>
    </message>
    <message>
        <source>оценка</source>
        <translation>grade</translation>
    </message>
    <message>
        <source>примечание</source>
        <translation>note</translation>
    </message>
</context>
<context>
    <name>GradeReport</name>
    <message>
        <source>Измерение элементарного заряда: оценки по заданию</source>
        <translation>Measuring the elementary charge: grades of the assignment</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Студентов: %1; журналов оценено: %2; не сдали: %3; с замечаниями: %4.</source>
        <translation>Students: %1; journals graded: %2; not handed in: %3; with flags: %4.</translation>
    </message>
    <message>
        <source>Оценка из 100: точность e (полностью при отклонении до 1 %, ноль от 5 %) — %1, U покрывает e — %2, надёжные заряды (полностью от %3) — %4, честность отсчётов — %5 (доли суммы весов).</source>
        <translation>Grade out of 100: accuracy of e (full within 1 %, none from 5 %) — %1, U covers e — %2, certain charges (full from %3) — %4, honest timings — %5 (shares of the weights’ sum).</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>e ± U (k = 2)</source>
        <translation>e ± U (k = 2)</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Капель</source>
        <translation>Drops</translation>
    </message>
    <message>
        <source>Зарядов</source>
        <translation>Charges</translation>
    </message>
    <message>
        <source>Замечания</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>капля %1, запись %2: </source>
        <translation>drop %1, entry %2: </translation>
    </message>
    <message>
        <source>капля %1: </source>
        <translation>drop %1: </translation>
    </message>
    <message>
        <source>и ещё замечаний: %1</source>
        <translation>and %1 more flags</translation>
    </message>
    <message>
        <source>Не оценены</source>
        <translation>Not graded</translation>
    </message>
    <message>
        <source>Гистограмма значений e по группе — на последней странице.</source>
        <translation>The histogram of the group’s values of e is on the last page.</translation>
    </message>
    <message>
        <source>Значения e по группе, число студентов на 0,5 % (крайние столбцы — всё, что дальше 5 %)</source>
        <translation>The group’s values of e, students per 0.5 % (the outer bars hold all beyond 5 %)</translation>
    </message>
    <message>
        <source>отклонение e от 1,602 176 634·10⁻¹⁹ Кл, %</source>
        <translation>deviation of e from 1.602 176 634·10⁻¹⁹ C, %</translation>
    </message>
    <message>
        <source>Оценки по заданию</source>
        <translation>Grades of the assignment</translation>
    </message>
    <message>
        <source>Оценено журналов: %1 из %2 студентов; записаны %3, %4 и %5.</source>
        <translation>Journals graded: %1 of %2 students; written: %3, %4 and %5.</translation>
    </message>
    <message>
        <source>ни один журнал не оценён</source>
        <translation>no journal was graded</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>О ПРОГРАММЕ</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>Программа моделирует опыт Вельтрана по определению элементарного заряда</source>
        <translation>The program simulates Veltran&apos;s experiment that measures the elementary charge</translation>
    </message>
    <message>
        <source>методом движения капель в электрическом поле.</source>
        <translation>from the motion of droplets in an electric field.</translation>
    </message>
    <message>
        <source>История версий:</source>
        <translation>Version history:</translation>
    </message>
    <message>
        <source>1.0.0 - первая версия: модель капли, анимация, графики координаты</source>
        <translation>1.0.0 - the first version: the droplet model, the animation, the plots of</translation>
    </message>
    <message>
        <source>и скорости, оценка опыта, звуковые сигналы, проверка ввода.</source>
        <translation>coordinate and velocity, the verdict, the sound signals, the input checks.</translation>
    </message>
    <message>
        <source>Справочные документы собираются вместе с программой из её исходных текстов.</source>
        <translation>The help documents are built together with the program from its sources.</translation>
    </message>
    <message>
        <source>Более ранних версий у этой программы нет. </source>
        <translation>This program has no earlier versions. </translation>
    </message>
    <message>
        <source>Изменения следующих версий будут перечислены здесь. </source>
        <translation>The changes of later versions will be listed here. </translation>
    </message>
    <message>
        <source>Свободная программа на C++ и Qt 6; лицензия GNU GPL версии 3 или более поздней.</source>
        <translation>Free software in C++ and Qt 6, under the GNU GPL version 3 or any later version.</translation>
    </message>
    <message>
        <source>Справка: меню «Файл», пункты «Справка1», «Справка2», «История». </source>
        <translation>Help: the “File” menu, items “Reference 1”, “Reference 2”, “History”. </translation>
    </message>
    <message>
        <source>Управление: меню «Помощь», пункты «Управление» и «Инструкция».</source>
        <translation>Controls: the “Help” menu, items “Controls” and “Instructions”.</translation>
    </message>
    <message>
        <source>Документы лежат рядом с программой или в её папке данных.    </source>
        <translation>The documents lie beside the program or in its data folder.    </translation>
    </message>
    <message>
        <source>Версия 1.0.0 </source>
        <translation>Version 1.0.0 </translation>
    </message>
    <message>
        <source>Файл «%1» не найден ни в рабочей папке, ни в папке программы.</source>
        <translation>The file “%1” was found neither in the working folder nor in the program’s folders.</translation>
    </message>
    <message>
        <source>Не удалось открыть папку:
%1</source>
        <translation>Could not open the folder:
%1</translation>
    </message>
    <message>
        <source>Не удалось открыть файл:
%1

На компьютере не найдена программа для его просмотра. Файл можно открыть любой программой, которая его читает.

Открыть папку, в которой он лежит?</source>
        <translation>Could not open the file:
%1

No program to view it was found on this computer. The file can be opened with any program that reads it.

Open the folder it is in?</translation>
    </message>
</context>
<context>
    <name>JournalFile</name>
    <message>
        <source>неверное значение «%1» в %2</source>
        <translation>invalid value “%1” in %2</translation>
    </message>
    <message>
        <source>файл слишком велик для журнала</source>
        <translation>the file is too large for a journal</translation>
    </message>
    <message>
        <source>файл повреждён или обрезан (%1, позиция %2)</source>
        <translation>the file is damaged or cut off (%1, position %2)</translation>
    </message>
    <message>
        <source>это не лабораторный журнал программы</source>
        <translation>this is not a laboratory journal of the program</translation>
    </message>
    <message>
        <source>не указана версия формата журнала</source>
        <translation>the journal&apos;s format version is missing</translation>
    </message>
    <message>
        <source>журнал записан более новой версией программы (формат %1, эта версия читает формат %2)</source>
        <translation>the journal was written by a newer version of the program (format %1, this version reads format %2)</translation>
    </message>
    <message>
        <source>заголовке</source>
        <translation>the header</translation>
    </message>
    <message>
        <source>в журнале нет списка капель или измерений</source>
        <translation>the journal has no list of drops or of measurements</translation>
    </message>
    <message>
        <source>капле %1</source>
        <translation>drop %1</translation>
    </message>
    <message>
        <source>измерении %1</source>
        <translation>measurement %1</translation>
    </message>
    <message>
        <source>значение «%1» в %2 вне допустимых пределов</source>
        <translation>the value “%1” in %2 is out of range</translation>
    </message>
    <message>
        <source>в %1 нет ключа «%2»</source>
        <translation>the key “%2” is missing in %1</translation>
    </message>
</context>
<context>
    <name>JournalFlags</name>
    <message>
        <source>мало отсчётов</source>
        <translation>few timings</translation>
    </message>
    <message>
        <source>разброс</source>
        <translation>scatter</translation>
    </message>
    <message>
        <source>быстрая капля</source>
        <translation>fast drop</translation>
    </message>
    <message>
        <source>кратность не различить</source>
        <translation>multiple not told</translation>
    </message>
    <message>
        <source>облучение в поле</source>
        <translation>irradiated in the field</translation>
    </message>
    <message>
        <source>отсчёт через смену</source>
        <translation>timing across a change</translation>
    </message>
    <message>
        <source>невозможный заряд</source>
        <translation>impossible charge</translation>
    </message>
    <message>
        <source>отсчёт захватил смену поля, напряжения или заряда и зачёркнут: засекайте промежуток целиком при одном состоянии капли</source>
        <translation>a timing spanned a change of the field, the voltage or the charge and is struck out: time each interval wholly in one state of the drop</translation>
    </message>
    <message>
        <source>облучение при включённом поле: поле уносит ионы к пластинам, настоящая капля их почти не захватывает; выключайте поле (F6) перед облучением (F7)</source>
        <translation>irradiated with the field on: the field sweeps the ions to the plates, and a real drop hardly takes any up; switch the field off (F6) before irradiating (F7)</translation>
    </message>
    <message>
        <source>капля проходит 5 делений за %1 с (меньше %2 с): она крупная, заряд у неё во много e, кратность не различить; выбирайте каплю медленнее</source>
        <translation>the drop covers 5 divisions in %1 s (less than %2 s): it is large, its charge is many e, and its multiple cannot be told; choose a slower drop</translation>
    </message>
    <message>
        <source>падений капли %1, отсчётов в поле %2: нужно не меньше %3 тех и других, иначе разброс и неопределённость не оценить</source>
        <translation>falls of the drop: %1, timings in the field: %2; at least %3 of each are needed, or the spread and the uncertainty cannot be estimated</translation>
    </message>
    <message>
        <source>%1: скорости разбросаны в %2 раза сильнее, чем объясняет реакция руки (около 0,1 с на отсчёт): проверьте записи, засеките ещё раз</source>
        <translation>%1: the velocities scatter %2 times more than the hand&apos;s reaction explains (about 0.1 s a timing): check the records, time it again</translation>
    </message>
    <message>
        <source>заряд около %1 e — так не бывает: проверьте напряжение и настройки установки</source>
        <translation>a charge of about %1 e cannot be: check the voltage and the setup</translation>
    </message>
    <message>
        <source>заряд (%1 ± %2) e: кратность e не различить; нужна капля медленнее, с меньшим зарядом, или больше отсчётов</source>
        <translation>a charge of (%1 ± %2) e: its multiple of e cannot be told; take a slower drop with a smaller charge, or more timings</translation>
    </message>
</context>
<context>
    <name>JournalModel</name>
    <message>
        <source>секундомер</source>
        <translation>stopwatch</translation>
    </message>
    <message>
        <source>график</source>
        <translation>plot</translation>
    </message>
    <message>
        <source>вручную</source>
        <translation>by hand</translation>
    </message>
    <message>
        <source>удалено: %1</source>
        <translation>deleted: %1</translation>
    </message>
    <message>
        <source>Неопределённость времени ±%1 с</source>
        <translation>Uncertainty of the time ±%1 s</translation>
    </message>
    <message>
        <source>Для заряда нужна скорость этой капли без поля</source>
        <translation>The charge needs this drop&apos;s velocity without field</translation>
    </message>
    <message>
        <source>Капля</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Путь, дел.</source>
        <translation>Distance, div.</translation>
    </message>
    <message>
        <source>Путь, м</source>
        <translation>Distance, m</translation>
    </message>
    <message>
        <source>Время, с</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <source>Скорость, м/с</source>
        <translation>Velocity, m/s</translation>
    </message>
    <message>
        <source>Заряд, 10⁻¹⁹ Кл</source>
        <translation>Charge, 10⁻¹⁹ C</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>равновесие</source>
        <translation>balance</translation>
    </message>
    <message>
        <source>Напряжение равновесия ±%1 В</source>
        <translation>Balance voltage ±%1 V</translation>
    </message>
    <message>
        <source>Напряжение капли при пуске</source>
        <translation>The drop&apos;s voltage at its start</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Облучений</source>
        <translation>Irradiations</translation>
    </message>
    <message>
        <source>Напряжение, В</source>
        <translation>Voltage, V</translation>
    </message>
</context>
<context>
    <name>JournalStore</name>
    <message>
        <source>Лабораторный журнал</source>
        <translation>Laboratory journal</translation>
    </message>
    <message>
        <source>Сохранённый журнал «%1» не удалось прочитать: %2.
%3Начат новый журнал.</source>
        <translation>The saved journal “%1” could not be read: %2.
%3A new journal has been started.</translation>
    </message>
    <message>
        <source>Файл сохранён как «%1». </source>
        <translation>The file has been kept as “%1”. </translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить журнал «%1»:
%2.</source>
        <translation>Could not save the journal “%1”:
%2.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»:
%2.</source>
        <translation>Could not save the file “%1”:
%2.</translation>
    </message>
    <message>
        <source>Не удалось открыть журнал «%1»:
%2.</source>
        <translation>Could not open the journal “%1”:
%2.</translation>
    </message>
    <message>
        <source>Программа уже открыта, и её журнал ведёт та копия. Эта копия записывает измерения в свой журнал: «%1». При следующем запуске откроется журнал, записанный последним, и программа скажет, где другой.</source>
        <translation>The program is already open, and that copy keeps its journal. This copy records into a journal of its own: “%1”. At the next start the journal written last is opened, and the program says where the other is.</translation>
    </message>
    <message>
        <source>Открыт журнал, записанный последним: его вела вторая копия программы. </source>
        <translation>The journal written last has been opened: a second copy of the program kept it. </translation>
    </message>
    <message numerus="yes">
        <source>Другой журнал сохранён как %1; его можно открыть командой «Открыть журнал…».</source>
        <translation>
            <numerusform>The other journal has been kept as %1; it can be opened with “Open journal…”.</numerusform>
            <numerusform>The other journals have been kept as %1; they can be opened with “Open journal…”.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalTable</name>
    <message>
        <source>капля</source>
        <translation>drop</translation>
    </message>
    <message>
        <source>путь (дел.)</source>
        <translation>distance (div.)</translation>
    </message>
    <message>
        <source>путь (м)</source>
        <translation>distance (m)</translation>
    </message>
    <message>
        <source>время (с)</source>
        <translation>time (s)</translation>
    </message>
    <message>
        <source>скорость (м/с)</source>
        <translation>velocity (m/s)</translation>
    </message>
    <message>
        <source>заряд (Кл)</source>
        <translation>charge (C)</translation>
    </message>
    <message>
        <source>источник</source>
        <translation>source</translation>
    </message>
    <message>
        <source>удалено</source>
        <translation>deleted</translation>
    </message>
    <message>
        <source>причина</source>
        <translation>reason</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>поле</source>
        <translation>field</translation>
    </message>
    <message>
        <source>облучений</source>
        <translation>irradiations</translation>
    </message>
    <message>
        <source>напряжение (В)</source>
        <translation>voltage (V)</translation>
    </message>
    <message>
        <source>неопределённость</source>
        <translation>uncertainty</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Лабораторный журнал</source>
        <translation>Laboratory journal</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Капли</source>
        <translation>Drops</translation>
    </message>
    <message>
        <source>Определение e</source>
        <translation>Finding e</translation>
    </message>
    <message>
        <source>&amp;Журнал</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Открыть журнал…</source>
        <translation>Open journal…</translation>
    </message>
    <message>
        <source>Сохранить журнал…</source>
        <translation>Save journal…</translation>
    </message>
    <message>
        <source>Экспорт таблицы (CSV)…</source>
        <translation>Export table (CSV)…</translation>
    </message>
    <message>
        <source>Новый журнал</source>
        <translation>New journal</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Добавить измерение</source>
        <translation>Add measurement</translation>
    </message>
    <message>
        <source>Удалить измерение…</source>
        <translation>Delete measurement…</translation>
    </message>
    <message>
        <source>Восстановить измерение</source>
        <translation>Restore measurement</translation>
    </message>
    <message>
        <source>Открыть журнал</source>
        <translation>Open journal</translation>
    </message>
    <message>
        <source>Лабораторный журнал (*.json)</source>
        <translation>Laboratory journal (*.json)</translation>
    </message>
    <message>
        <source>Прежний журнал сохранён в «%1».</source>
        <translation>The previous journal has been kept in “%1”.</translation>
    </message>
    <message>
        <source>Сохранить журнал</source>
        <translation>Save journal</translation>
    </message>
    <message>
        <source>Экспорт таблицы</source>
        <translation>Export table</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Начать новый журнал? Нынешний будет сохранён копией в папке данных программы.</source>
        <translation>Start a new journal? The present one will be kept as a copy in the program&apos;s data folder.</translation>
    </message>
    <message>
        <source>Удалить измерение</source>
        <translation>Delete measurement</translation>
    </message>
    <message>
        <source>Почему измерение не годится? Оно останется в журнале зачёркнутым.</source>
        <translation>Why is the measurement no good? It stays in the journal, struck out.</translation>
    </message>
    <message>
        <source>без объяснения</source>
        <translation>no reason given</translation>
    </message>
    <message>
        <source>&amp;Без поправки на скольжение</source>
        <translation>&amp;Without the slip correction</translation>
    </message>
    <message>
        <source>Те же капли, рассчитанные по закону Стокса без поправки на скольжение</source>
        <translation>The same drops computed by Stokes&apos; law without the slip correction</translation>
    </message>
    <message>
        <source>Капля с реальной установки…</source>
        <translation>Drop from a real apparatus…</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>&amp;Студент:</source>
        <translation>&amp;Student:</translation>
    </message>
    <message>
        <source>Гр&amp;уппа:</source>
        <translation>Gro&amp;up:</translation>
    </message>
    <message>
        <source>Отчёт (PDF)…</source>
        <translation>Report (PDF)…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Журналы группы…</source>
        <translation>Group journals…</translation>
    </message>
    <message>
        <source>Отчёт о работе</source>
        <translation>Lab report</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»:
%2.</source>
        <translation>Could not save the file “%1”:
%2.</translation>
    </message>
</context>
<context>
    <name>KeyBindings</name>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Опыт (где бы ни был фокус):</source>
        <translation>Experiment (wherever the focus is):</translation>
    </message>
    <message>
        <source>%1 — ПУСК</source>
        <translation>%1 — START</translation>
    </message>
    <message>
        <source>%1 — НАПРЯЖЕНИЕ</source>
        <translation>%1 — VOLTAGE</translation>
    </message>
    <message>
        <source>%1 — СВЕТ</source>
        <translation>%1 — LIGHT</translation>
    </message>
    <message>
        <source>%1 — «Характеристики»: заряды на 3 с</source>
        <translation>%1 — “Characteristics”: the charges for 3 s</translation>
    </message>
    <message>
        <source>%1 — «Скорости»: отношение и разность зарядов на 3 с</source>
        <translation>%1 — “Velocities”: ratio and difference of the charges for 3 s</translation>
    </message>
    <message>
        <source>Окно:</source>
        <translation>Window:</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab — следующий и предыдущий элемент</source>
        <translation>Tab, Shift+Tab — next and previous control</translation>
    </message>
    <message>
        <source>Пробел, Enter — нажать кнопку или заголовок в фокусе</source>
        <translation>Space, Enter — press the button or heading in focus</translation>
    </message>
    <message>
        <source>Стрелки — перекрестие на графике в фокусе (с Shift — на десятую часть графика)</source>
        <translation>Arrows — the crosshair on the plot in focus (with Shift by a tenth of the plot)</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10 — меню графика</source>
        <translation>Menu key, Shift+F10 — the plot&apos;s menu</translation>
    </message>
    <message>
        <source>%1 — копировать изображение</source>
        <translation>%1 — copy image</translation>
    </message>
    <message>
        <source>%1 — сохранить изображение</source>
        <translation>%1 — save image</translation>
    </message>
    <message>
        <source>%1 — сохранить данные графика</source>
        <translation>%1 — save the plot&apos;s data</translation>
    </message>
    <message>
        <source>Alt+Ф, Alt+П — меню «Файл» и «Помощь»</source>
        <translation>Alt+F, Alt+H — the menus “File” and “Help”</translation>
    </message>
    <message>
        <source>Лабораторный режим:</source>
        <translation>Laboratory mode:</translation>
    </message>
    <message>
        <source>%1 — лабораторный режим</source>
        <translation>%1 — laboratory mode</translation>
    </message>
    <message>
        <source>%1 — лабораторный журнал</source>
        <translation>%1 — laboratory journal</translation>
    </message>
    <message>
        <source>%1 — секундомер: пуск и стоп</source>
        <translation>%1 — stopwatch: start and stop</translation>
    </message>
    <message>
        <source>%1 — отсечка</source>
        <translation>%1 — lap</translation>
    </message>
    <message>
        <source>%1 — сброс секундомера</source>
        <translation>%1 — reset the stopwatch</translation>
    </message>
    <message>
        <source>%1 — записать промежутки в журнал</source>
        <translation>%1 — record the timings in the journal</translation>
    </message>
    <message>
        <source>%1 — этот список</source>
        <translation>%1 — this list</translation>
    </message>
    <message>
        <source>Окно лабораторного журнала:</source>
        <translation>The laboratory journal&apos;s window:</translation>
    </message>
    <message>
        <source>%1 — открыть журнал</source>
        <translation>%1 — open a journal</translation>
    </message>
    <message>
        <source>%1 — сохранить журнал</source>
        <translation>%1 — save the journal</translation>
    </message>
    <message>
        <source>%1 — экспорт таблицы</source>
        <translation>%1 — export the table</translation>
    </message>
    <message>
        <source>%1 — закрыть окно журнала</source>
        <translation>%1 — close the journal&apos;s window</translation>
    </message>
    <message>
        <source>%1 — добавить измерение (в таблице)</source>
        <translation>%1 — add a measurement (in the table)</translation>
    </message>
    <message>
        <source>%1 — удалить (зачеркнуть) измерение</source>
        <translation>%1 — delete (strike out) a measurement</translation>
    </message>
    <message>
        <source>%1 — НАПРЯЖЕНИЕ: поле удерживаемой капли включить и выключить</source>
        <translation>%1 — VOLTAGE: the held drop&apos;s field on and off</translation>
    </message>
    <message>
        <source>%1 — полярность поля: прямая или обратная</source>
        <translation>%1 — the field&apos;s polarity: normal or reversed</translation>
    </message>
    <message>
        <source>%1 — напряжение больше на 1 % (в главном окне и в секундомере)</source>
        <translation>%1 — voltage 1 % higher (in the main window and the stopwatch)</translation>
    </message>
    <message>
        <source>%1 — напряжение меньше на 1 %</source>
        <translation>%1 — voltage 1 % lower</translation>
    </message>
    <message>
        <source>%1 — напряжение больше на 10 %</source>
        <translation>%1 — voltage 10 % higher</translation>
    </message>
    <message>
        <source>%1 — напряжение меньше на 10 %</source>
        <translation>%1 — voltage 10 % lower</translation>
    </message>
    <message>
        <source>%1 — капля висит: записать напряжение равновесия в журнал</source>
        <translation>%1 — the drop hovers: record the balance voltage in the journal</translation>
    </message>
    <message>
        <source>Как удержать каплю и найти e:</source>
        <translation>How to hold a drop and find e:</translation>
    </message>
    <message>
        <source>путь секундомера 5 дел.: от 2-й до 7-й линии;</source>
        <translation>the stopwatch&apos;s distance 5 div.: from the 2nd to the 7th line;</translation>
    </message>
    <message>
        <source>поле включите, когда капля опустится ниже 8-й линии, выключите, когда поднимется выше 1-й;</source>
        <translation>switch the field on when the drop has fallen below the 8th line, off when it has risen above the 1st;</translation>
    </message>
    <message>
        <source>падает быстрее, чем без поля — смените полярность; не поднимается — прибавьте напряжение;</source>
        <translation>if it falls faster than without field, reverse the polarity; if it does not rise, raise the voltage;</translation>
    </message>
    <message>
        <source>засеките не меньше трёх падений без поля и трёх подъёмов в поле, затем облучите каплю и повторите;</source>
        <translation>time at least three falls without field and three rises in the field, then irradiate the drop and repeat;</translation>
    </message>
    <message>
        <source>метод равновесия: поворачивайте напряжение, пока капля не повиснет, и запишите его;</source>
        <translation>balancing method: turn the voltage until the drop hovers, and record it;</translation>
    </message>
    <message>
        <source>для оценки e нужно не меньше 7 надёжных зарядов — например, 10 капель по 2 заряда.</source>
        <translation>e needs at least 7 reliable charges — for instance, 10 drops with 2 charges each.</translation>
    </message>
    <message>
        <source>замедление 9; напряжение для начала около −25 кВ (в Ux= цифры 25000 вместо 5085, или 17 раз Shift+PgUp);</source>
        <translation>slow-down 9; to begin with, a voltage of about −25 kV (in Ux= the digits 25000 for 5085, or Shift+PgUp 17 times);</translation>
    </message>
    <message>
        <source>%1 — отчёт о работе (PDF)</source>
        <translation>%1 — lab report (PDF)</translation>
    </message>
    <message>
        <source>%1 — печать отчёта</source>
        <translation>%1 — print the report</translation>
    </message>
    <message>
        <source>%1 — журналы группы: открыть сразу много, сводка и отчёт группы</source>
        <translation>%1 — group journals: open many at once, the summary and the group&apos;s report</translation>
    </message>
    <message>
        <source>%1 — подсказка в окне секундомера: показать и скрыть</source>
        <translation>%1 — the coach in the stopwatch&apos;s window: show and hide</translation>
    </message>
    <message>
        <source>Подсказка ведёт по шагам: замедление 9; ПУСК; путь 5 дел.; медленная капля; поле и напряжение, </source>
        <translation>The coach leads step by step: slow-down 9; START; distance 5 div.; a slow drop; the field and the voltage </translation>
    </message>
    <message>
        <source>пока капля не поднимается так же быстро, как падала; три падения и три подъёма, каждый в журнал (F12);</source>
        <translation>until the drop rises as fast as it fell; three falls and three rises, each into the journal (F12);</translation>
    </message>
    <message>
        <source>поле выключить и облучить; второе состояние; новая капля; при 7 надёжных зарядах — читать e.</source>
        <translation>the field off and irradiate; the second state; a new drop; with 7 reliable charges, read e.</translation>
    </message>
    <message>
        <source>%1 — распылить капли и смотреть в микроскоп</source>
        <translation>%1 — spray drops and look through the microscope</translation>
    </message>
</context>
<context>
    <name>LabReport</name>
    <message>
        <source>Капля</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>D, мм</source>
        <translation>D, mm</translation>
    </message>
    <message>
        <source>U, В</source>
        <translation>U, V</translation>
    </message>
    <message>
        <source>d, мкм</source>
        <translation>d, µm</translation>
    </message>
    <message>
        <source>ρ, кг/м³</source>
        <translation>ρ, kg/m³</translation>
    </message>
    <message>
        <source>ρ₀, кг/м³</source>
        <translation>ρ₀, kg/m³</translation>
    </message>
    <message>
        <source>η, мкПа·с</source>
        <translation>η, µPa·s</translation>
    </message>
    <message>
        <source>Броуновское</source>
        <translation>Brownian</translation>
    </message>
    <message>
        <source>Потеряна</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>неизвестен</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Измерение элементарного заряда</source>
        <translation>Measuring the elementary charge</translation>
    </message>
    <message>
        <source>Отчёт о лабораторной работе</source>
        <translation>Laboratory report</translation>
    </message>
    <message>
        <source>Студент:</source>
        <translation>Student:</translation>
    </message>
    <message>
        <source>Группа:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Метод</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Заряженная капля масла движется между пластинами конденсатора. Без поля она падает с постоянной скоростью v_g, при которой сила тяжести за вычетом выталкивающей уравновешена вязким трением (закон Стокса); по v_g находят её радиус и массу. В поле E = U/D скорость становится v_E, и заряд капли q = m·g·(v_E − v_g)/(v_g·E). Облучая каплю, меняют её заряд; все заряды и их изменения кратны одному e, которое находится как наибольший общий делитель зарядов с учётом их неопределённостей.</source>
        <translation>A charged oil drop moves between the plates of a capacitor. Without field it falls at the constant velocity v_g at which gravity less buoyancy is balanced by viscous drag (Stokes&apos; law); v_g gives its radius and mass. In the field E = U/D its velocity becomes v_E, and the drop&apos;s charge is q = m·g·(v_E − v_g)/(v_g·E). Irradiating the drop changes its charge; all charges and their changes are multiples of one e, found as the greatest common divisor of the charges with their uncertainties taken into account.</translation>
    </message>
    <message>
        <source>Установка: капли</source>
        <translation>Setup: the drops</translation>
    </message>
    <message>
        <source>Капель нет.</source>
        <translation>No drops.</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Измерений нет.</source>
        <translation>No measurements.</translation>
    </message>
    <message>
        <source>Зачёркнутые измерения не использованы; причина — в последнем столбце.</source>
        <translation>Struck-out measurements are not used; the reason is in the last column.</translation>
    </message>
    <message>
        <source>Средние по каплям и состояниям заряда</source>
        <translation>Means per drop and charge state</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Графики — на последней странице.</source>
        <translation>The plots are on the last page.</translation>
    </message>
    <message>
        <source>Зарядов нет: графиков нет.</source>
        <translation>No charges: no plots.</translation>
    </message>
    <message>
        <source>p, кПа</source>
        <translation>p, kPa</translation>
    </message>
    <message>
        <source>t, °C</source>
        <translation>t, °C</translation>
    </message>
    <message>
        <source>Поправка на скольжение</source>
        <translation>Slip correction</translation>
    </message>
    <message numerus="yes">
        <source>Ещё %n капля не измерена или потеряна.|Ещё %n капли не измерены или потеряны.|Ещё %n капель не измерено или потеряно.</source>
        <translation>
            <numerusform>%n more drop was not measured or was lost.</numerusform>
            <numerusform>%n more drops were not measured or were lost.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n капля запущена, но не измерена.|%n капли запущены, но не измерены.|%n капель запущено, но не измерено.</source>
        <translation>
            <numerusform>%n drop was started but not measured.</numerusform>
            <numerusform>%n drops were started but not measured.</numerusform>
        </translation>
    </message>
    <message>
        <source>Замечания</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Замечаний нет.</source>
        <translation>No remarks.</translation>
    </message>
    <message>
        <source>Капля %1, облучений %2 — %3: %4</source>
        <translation>Drop %1, irradiations %2 — %3: %4</translation>
    </message>
</context>
<context>
    <name>Laboratory</name>
    <message>
        <source>отсчёт начат на другой капле</source>
        <translation>the timing began on another drop</translation>
    </message>
    <message>
        <source>капля облучена во время отсчёта</source>
        <translation>the drop was irradiated during the timing</translation>
    </message>
    <message>
        <source>поле переключено во время отсчёта</source>
        <translation>the field was switched during the timing</translation>
    </message>
    <message>
        <source>напряжение изменено во время отсчёта</source>
        <translation>the voltage was changed during the timing</translation>
    </message>
</context>
<context>
    <name>LaboratoryWindows</name>
    <message>
        <source>Цена деления: расстояние между соседними линиями, десятая часть промежутка D</source>
        <translation>Scale division: the distance between neighbouring lines, a tenth of the gap D</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Пуск и остановка секундомера</source>
        <translation>Start and stop the stopwatch</translation>
    </message>
    <message>
        <source>Отсечка</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>Отсечка: промежуток до этого мгновения, секундомер идёт дальше</source>
        <translation>Lap: the interval up to this moment; the stopwatch runs on</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Сброс секундомера; промежутки не в журнале пропадают</source>
        <translation>Reset the stopwatch; timings not in the journal are discarded</translation>
    </message>
    <message>
        <source>В журнал</source>
        <translation>To journal</translation>
    </message>
    <message>
        <source>Записать промежутки в лабораторный журнал</source>
        <translation>Record the timings in the laboratory journal</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>1 дел. = %1 мм</source>
        <translation>1 div. = %1 mm</translation>
    </message>
    <message>
        <source>Зерно случайных чисел</source>
        <translation>Random seed</translation>
    </message>
    <message>
        <source>Одно и то же зерно даёт всем одни и те же капли.
Целое число от 0 до 18446744073709551615 или пусто — своё зерно в каждом сеансе:</source>
        <translation>The same seed gives everyone the same drops.
A whole number from 0 to 18446744073709551615, or empty for a seed of each session&apos;s own:</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>«%1» — не целое число от 0 до 18446744073709551615.</source>
        <translation>“%1” is not a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>Записать в журнал</source>
        <translation>Record in journal</translation>
    </message>
    <message>
        <source>Скорость капли на кривой в это мгновение — в лабораторный журнал</source>
        <translation>The droplet&apos;s velocity on the curve at this moment, into the laboratory journal</translation>
    </message>
    <message>
        <source>Полярность</source>
        <translation>Polarity</translation>
    </message>
    <message>
        <source>Полярность поля: прямая или обратная</source>
        <translation>The field&apos;s polarity: normal or reversed</translation>
    </message>
    <message>
        <source>Равновесие — в журнал</source>
        <translation>Balance into the journal</translation>
    </message>
    <message>
        <source>Капля висит неподвижно: записать это напряжение в журнал</source>
        <translation>The drop hovers still: record this voltage in the journal</translation>
    </message>
    <message>
        <source>Напряжение +1 %</source>
        <translation>Voltage +1 %</translation>
    </message>
    <message>
        <source>Напряжение больше на 1 %</source>
        <translation>Voltage 1 % higher</translation>
    </message>
    <message>
        <source>Напряжение −1 %</source>
        <translation>Voltage −1 %</translation>
    </message>
    <message>
        <source>Напряжение меньше на 1 %</source>
        <translation>Voltage 1 % lower</translation>
    </message>
    <message>
        <source>Напряжение +10 %</source>
        <translation>Voltage +10 %</translation>
    </message>
    <message>
        <source>Напряжение больше на 10 %</source>
        <translation>Voltage 10 % higher</translation>
    </message>
    <message>
        <source>Напряжение −10 %</source>
        <translation>Voltage −10 %</translation>
    </message>
    <message>
        <source>Напряжение меньше на 10 %</source>
        <translation>Voltage 10 % lower</translation>
    </message>
    <message>
        <source>Напряжение %1 В</source>
        <translation>Voltage %1 V</translation>
    </message>
    <message>
        <source>Подсказки</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Подсказка в окне секундомера: что делать сейчас и заряд капли</source>
        <translation>The coach in the stopwatch&apos;s window: what to do now, and the drop&apos;s charge</translation>
    </message>
    <message>
        <source>Подсказки называют кратность и e</source>
        <translation>Coach names multiples and e</translation>
    </message>
    <message>
        <source>Снимите, чтобы студент сам нашёл кратность зарядов и e</source>
        <translation>Untick it to let the student find the charges&apos; multiples and e alone</translation>
    </message>
    <message>
        <source>Выдать задания…</source>
        <translation>Hand out tasks…</translation>
    </message>
    <message>
        <source>Для преподавателя: по списку группы (CSV) — задание каждому студенту</source>
        <translation>For the teacher: a task for every student of a roster (CSV)</translation>
    </message>
    <message>
        <source>Открыть задание…</source>
        <translation>Open task…</translation>
    </message>
    <message>
        <source>Открыть задание преподавателя: его настройки, зерно и ваше имя в журнале</source>
        <translation>Open a teacher’s task: its settings, its seed and your name in the journal</translation>
    </message>
    <message>
        <source>Открыть задание</source>
        <translation>Open task</translation>
    </message>
    <message>
        <source>Задание (*.json)</source>
        <translation>Task (*.json)</translation>
    </message>
    <message>
        <source>Список группы</source>
        <translation>Roster</translation>
    </message>
    <message>
        <source>Список группы (*.csv);;Все файлы (*)</source>
        <translation>Roster</translation>
    </message>
    <message>
        <source>Папка для заданий</source>
        <translation>Folder for the tasks</translation>
    </message>
    <message>
        <source>Задания</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Не удалось открыть задание «%1»: %2.</source>
        <translation>Could not open the task “%1”: %2.</translation>
    </message>
    <message>
        <source>сначала отпустите каплю («ПУСК»)</source>
        <translation>let the drop go first (“START”)</translation>
    </message>
    <message>
        <source>Задание</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>В журнале уже есть измерения. Начать новый журнал для задания? Нынешний будет сохранён копией в папке данных программы.</source>
        <translation>The journal already has measurements. Start a new journal for the task? The present one will be kept as a copy in the program’s data folder.</translation>
    </message>
    <message>
        <source>Лабораторный журнал</source>
        <translation>Laboratory journal</translation>
    </message>
    <message>
        <source>Прежний журнал сохранён в «%1».</source>
        <translation>The previous journal has been kept in “%1”.</translation>
    </message>
    <message>
        <source>Распылить</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Распылить капли между пластинами и смотреть в микроскоп</source>
        <translation>Spray drops between the plates and look through the microscope</translation>
    </message>
    <message>
        <source>Капли не видно в микроскопе: засечь её время нельзя. Подстройте фокус.</source>
        <translation>The drop cannot be seen in the microscope: it cannot be timed. Adjust the focus.</translation>
    </message>
    <message>
        <source>Уровень реализма</source>
        <translation>Realism level</translation>
    </message>
    <message>
        <source>Идеальный: одна капля, без шума</source>
        <translation>Ideal: one drop, no noise</translation>
    </message>
    <message>
        <source>Обычный: распыление, броуновское движение, фокус</source>
        <translation>Standard: spray, Brownian motion, focus</translation>
    </message>
    <message>
        <source>Полный: ещё испарение, нагрев лампой, облучение в поле</source>
        <translation>Full: also evaporation, lamp heating, irradiation in the field</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан: %2</source>
        <translation>File %1 not read: %2</translation>
    </message>
    <message>
        <source>Уровень задан преподавателем: %1</source>
        <translation>Level set by the teacher: %1</translation>
    </message>
    <message>
        <source>Капля поймана: распылить снова можно, когда она отпущена (ПУСК) или потеряна.</source>
        <translation>The drop is caught: you can spray again once it is let go (START) or lost.</translation>
    </message>
</context>
<context>
    <name>LiveRegion</name>
    <message>
        <source>Сообщения программы</source>
        <translation>Program messages</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Моделирование опыта Вельтрана</source>
        <translation>Simulation of Veltran&apos;s Experiment</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Расстояние между пластинами</source>
        <translation>Distance between the plates</translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Напряжение между пластинами</source>
        <translation>Voltage between the plates</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Диаметр капли</source>
        <translation>Droplet diameter</translation>
    </message>
    <message>
        <source>Плотность капли</source>
        <translation>Droplet density</translation>
    </message>
    <message>
        <source> кг/м3</source>
        <translation>&#x200a;kg/m³</translation>
    </message>
    <message>
        <source>Плотность среды</source>
        <translation>Density of the medium</translation>
    </message>
    <message>
        <source>Коэффициент динамической вязкости среды </source>
        <translation>Dynamic viscosity of the medium </translation>
    </message>
    <message>
        <source>Коэффициент динамической вязкости среды</source>
        <translation>Dynamic viscosity of the medium</translation>
    </message>
    <message>
        <source> Па с</source>
        <translation> Pa s</translation>
    </message>
    <message>
        <source>Характеристики</source>
        <translation>Characteristics</translation>
    </message>
    <message>
        <source>Скорости</source>
        <translation>Velocities</translation>
    </message>
    <message>
        <source>Масса капли</source>
        <translation>Droplet mass</translation>
    </message>
    <message>
        <source>Напряжённость электрического поля</source>
        <translation>Electric field strength</translation>
    </message>
    <message>
        <source>Характерное время</source>
        <translation>Characteristic time</translation>
    </message>
    <message>
        <source>Параметр а</source>
        <translation>Parameter a</translation>
    </message>
    <message>
        <source>предельная вертикальная скорость</source>
        <translation>terminal vertical velocity</translation>
    </message>
    <message>
        <source>2 предельная скорость</source>
        <translation>limiting velocity 2</translation>
    </message>
    <message>
        <source>3 предельная скорость</source>
        <translation>limiting velocity 3</translation>
    </message>
    <message>
        <source>заряд q2</source>
        <translation>charge q2</translation>
    </message>
    <message>
        <source>заряд q3</source>
        <translation>charge q3</translation>
    </message>
    <message>
        <source>отношение зарядов q3/q2</source>
        <translation>charge ratio q3/q2</translation>
    </message>
    <message>
        <source>разность зарядов N3-N2</source>
        <translation>charge difference N3-N2</translation>
    </message>
    <message>
        <source>Замедление времени</source>
        <translation>Time slow-down</translation>
    </message>
    <message>
        <source>ПУСК</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Запуск установки</source>
        <translation>Start the apparatus</translation>
    </message>
    <message>
        <source>НАПРЯЖЕНИЕ</source>
        <translation>VOLTAGE</translation>
    </message>
    <message>
        <source>Подача напряжения на пластины конденсатора</source>
        <translation>Apply the voltage to the capacitor plates</translation>
    </message>
    <message>
        <source>СВЕТ</source>
        <translation>LIGHT</translation>
    </message>
    <message>
        <source>Освещение рентгеновскими лучами</source>
        <translation>Irradiate the droplet with X-rays</translation>
    </message>
    <message>
        <source>Выбор</source>
        <translation>Rand.</translation>
    </message>
    <message>
        <source>Случайный выбор зарядов</source>
        <translation>Random choice of charges</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Выбор графика</source>
        <translation>Choice of graph</translation>
    </message>
    <message>
        <source>Движение</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Координата</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>Зависимость x(t)</source>
        <translation>Graph of x(t)</translation>
    </message>
    <message>
        <source>Проекция Vx</source>
        <translation>Velocity Vx</translation>
    </message>
    <message>
        <source>Зависимость Vx(t)</source>
        <translation>Graph of Vx(t)</translation>
    </message>
    <message>
        <source>Расстояние между пластинами, разбитое на 10 частей</source>
        <translation>Distance between the plates, divided into 10 parts</translation>
    </message>
    <message>
        <source>Координата в относительных единицах</source>
        <translation>Coordinate in relative units</translation>
    </message>
    <message>
        <source>Скорость в относительных единицах</source>
        <translation>Velocity in relative units</translation>
    </message>
    <message>
        <source>Капля</source>
        <translation>Droplet</translation>
    </message>
    <message>
        <source>Рентгеновское излучение</source>
        <translation>X-ray beam</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Справка1</source>
        <translation>Reference 1</translation>
    </message>
    <message>
        <source>Справка2</source>
        <translation>Reference 2</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Инструкция</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Заряды капли q2 и q3 на 3 с</source>
        <translation>The droplet&apos;s charges q2 and q3 for 3 s</translation>
    </message>
    <message>
        <source>Отношение и разность зарядов по скоростям на 3 с</source>
        <translation>Ratio and difference of the charges from the velocities for 3 s</translation>
    </message>
    <message>
        <source>Лабораторный режим</source>
        <translation>Laboratory mode</translation>
    </message>
    <message>
        <source>Лабораторный журнал</source>
        <translation>Laboratory journal</translation>
    </message>
    <message>
        <source>Неизвестная капля</source>
        <translation>Unknown drop</translation>
    </message>
    <message>
        <source>Броуновское движение</source>
        <translation>Brownian motion</translation>
    </message>
    <message>
        <source>Зерно случайных чисел…</source>
        <translation>Random seed…</translation>
    </message>
    <message>
        <source>Копировать изображение</source>
        <translation>Copy Image</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save Image…</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save Data…</translation>
    </message>
    <message>
        <source>Поправка на скольжение</source>
        <translation>Slip correction</translation>
    </message>
    <message>
        <source>Сопротивление воздуха с поправкой на скольжение при его давлении; вязкость воздуха — по его температуре</source>
        <translation>The air&apos;s drag with the slip correction at its pressure; the viscosity of air from its temperature</translation>
    </message>
</context>
<context>
    <name>MicroscopeView</name>
    <message>
        <source>Поле зрения микроскопа</source>
        <translation>The microscope’s field of view</translation>
    </message>
    <message>
        <source>почти стоит</source>
        <translation>almost still</translation>
    </message>
    <message>
        <source>падает на деление за %1 с</source>
        <translation>falls a division in %1 s</translation>
    </message>
    <message>
        <source>поднимается на деление за %1 с</source>
        <translation>rises a division in %1 s</translation>
    </message>
    <message>
        <source>у центра</source>
        <translation>near the centre</translation>
    </message>
    <message>
        <source>вверху</source>
        <translation>in the upper part</translation>
    </message>
    <message>
        <source>внизу</source>
        <translation>in the lower part</translation>
    </message>
    <message>
        <source>капля %1: %2, %3</source>
        <translation>drop %1: %2, %3</translation>
    </message>
    <message>
        <source>1 мм</source>
        <translation>1 mm</translation>
    </message>
</context>
<context>
    <name>MicroscopeWindow</name>
    <message>
        <source>Перевёрнутое изображение</source>
        <translation>Inverted image</translation>
    </message>
    <message>
        <source>Микроскоп</source>
        <translation>Microscope</translation>
    </message>
    <message>
        <source>Фокус</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Фокус микроскопа: Ctrl+↑ и Ctrl+↓ в окне микроскопа</source>
        <translation>The microscope’s focus: Ctrl+↑ and Ctrl+↓ in the microscope’s window</translation>
    </message>
    <message>
        <source>&amp;Фокус:</source>
        <translation>&amp;Focus:</translation>
    </message>
    <message>
        <source>Капли в поле зрения</source>
        <translation>Drops in the field of view</translation>
    </message>
    <message>
        <source>В поле зрения:</source>
        <translation>In the field of view:</translation>
    </message>
    <message>
        <source>Капля не выбрана: щёлкните по ней или выберите клавишей Tab.</source>
        <translation>No drop chosen: click one, or choose it with the Tab key.</translation>
    </message>
    <message>
        <source>Капля %1 ушла из поля зрения: она потеряна.</source>
        <translation>Drop %1 has left the field of view: it is lost.</translation>
    </message>
    <message>
        <source>Капля %1 не в фокусе: её не видно, и засечь её время нельзя. Подстройте фокус.</source>
        <translation>Drop %1 is out of focus: it cannot be seen, nor timed. Adjust the focus.</translation>
    </message>
    <message>
        <source>Капля %1 поймана: она держится между пластинами.</source>
        <translation>Drop %1 is caught: it is held between the plates.</translation>
    </message>
    <message>
        <source>Выбрана капля %1: «ПУСК» поймает её.</source>
        <translation>Drop %1 chosen: “START” will catch it.</translation>
    </message>
    <message>
        <source>Капля %1 вне поля зрения: засечь её время нельзя.</source>
        <translation>Drop %1 is out of the field of view: it cannot be timed.</translation>
    </message>
</context>
<context>
    <name>PagedReport</name>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>ParameterInputs</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Значение вне диапазона, который может рассчитать модель!</source>
        <translation>The value is outside the range the model can compute!</translation>
    </message>
    <message>
        <source>Должно быть больше нуля!</source>
        <translation>Must be greater than zero!</translation>
    </message>
    <message>
        <source>Нулевое напряжение бессмысленно!</source>
        <translation>A zero voltage makes no sense!</translation>
    </message>
    <message>
        <source>Это не материальная точка!</source>
        <translation>This is not a point mass!</translation>
    </message>
    <message>
        <source>Шарик из чего-то сделан!</source>
        <translation>The droplet must be made of something!</translation>
    </message>
    <message>
        <source>Всплывание не моделируется!</source>
        <translation>Rising droplets are not modelled!</translation>
    </message>
    <message>
        <source>Для вакуума всё и так известно!</source>
        <translation>For a vacuum, everything is known already!</translation>
    </message>
    <message>
        <source>Всплывание не моделируется</source>
        <translation>Rising droplets are not modelled</translation>
    </message>
</context>
<context>
    <name>PlotReadout</name>
    <message>
        <source>кривая: %1 = %2</source>
        <translation>curve: %1 = %2</translation>
    </message>
    <message>
        <source>t = %1 с</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>x = %1 м</source>
        <translation>x = %1 m</translation>
    </message>
    <message>
        <source>v = %1 м/с</source>
        <translation>v = %1 m/s</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>неизвестный язык «%1»: можно ru или en</source>
        <translation>unknown language “%1”: use ru or en</translation>
    </message>
    <message>
        <source>Язык интерфейса и справки: ru (русский) или en (английский). Без него — по первому языку системы: русский для русского, украинского, белорусского, казахского и для C/POSIX, английский для любого другого.</source>
        <translation>Language of the interface and help: ru (Russian) or en (English). Without it, by the system&apos;s first language: Russian for Russian, Ukrainian, Belarusian, Kazakh and for C/POSIX, English for any other.</translation>
    </message>
    <message>
        <source>Записать отчёт о лабораторной работе по журналу (PDF) и выйти, без окна. Журнал, который нельзя прочитать, назван с причиной в стандартном потоке ошибок; статус 1, файла нет.</source>
        <translation>Write the lab report of a journal (PDF) and end, without a window. A journal that cannot be read is named with the reason on standard error; status 1, no file.</translation>
    </message>
    <message>
        <source>Свести журналы группы в отчёт (PDF) или таблицу (CSV) и выйти, без окна. Непрочитанные журналы названы с причиной; статус 0, если прочитан хотя бы один.</source>
        <translation>Pool a group&apos;s journals into a report (PDF) or a table (CSV) and end, without a window. Journals not read are named with the reason; status 0 when at least one was read.</translation>
    </message>
    <message>
        <source>--report и --class нельзя задать вместе</source>
        <translation>--report and --class cannot be given together</translation>
    </message>
    <message>
        <source>--report требует два файла: журнал и отчёт</source>
        <translation>--report needs two files: the journal and the report</translation>
    </message>
    <message>
        <source>--class требует файл сводки (.pdf или .csv) и хотя бы один журнал</source>
        <translation>--class needs the summary&apos;s file (.pdf or .csv) and at least one journal</translation>
    </message>
    <message>
        <source>Проверить журнал: по строке на каждую ошибку, «drop N, state K: КОД: пояснение» (коды: few-timings, scatter, fast-drop, many-charges, field-on-irradiation, crossed-change, absurd-charge), и выйти, без окна. Статус 0; 1, если журнал нельзя прочитать.</source>
        <translation>Check a journal: a line for each mistake, “drop N, state K: CODE: explanation” (codes: few-timings, scatter, fast-drop, many-charges, field-on-irradiation, crossed-change, absurd-charge), and end, without a window. Status 0; 1 when the journal cannot be read.</translation>
    </message>
    <message>
        <source>--check требует один файл журнала и не сочетается с --report и --class</source>
        <translation>--check needs one journal file and cannot be given with --report or --class</translation>
    </message>
    <message>
        <source>Выдать задания группе и выйти, без окна: по списку (CSV: столбцы id, name, email, по желанию group; разделитель «;» или «,») записать в папку assignment.json — файл преподавателя с секретом, его хранят у себя — и tasks/ID.json для каждого студента. Настройки: капли неизвестного размера, броуновское движение, без поправки на скольжение, воздух 101325 Па и 293,15 K, подсказки называют кратность и e. Неверный список назван со строкой и причиной; статус 1, ничего не записано. Папку, где уже есть задание, программа не трогает.</source>
        <translation>Hand out tasks to a group and exit, without a window: from a roster (CSV: columns id, name, email, optionally group; separator “;” or “,”) write into the folder assignment.json — the teacher’s file with the secret, kept to yourself — and tasks/ID.json for each student. Settings: drops of unknown size, Brownian motion, no slip correction, air at 101325 Pa and 293.15 K, hints name the multiple and e. A bad roster is named with the line and the reason; status 1, nothing written. A folder that already has an assignment is left alone.</translation>
    </message>
    <message>
        <source>Открыть программу с заданием студента: лабораторный режим с настройками и зерном задания, имя и группа в журнале, задание отмечено в журнале.</source>
        <translation>Open the program with a student’s task: the laboratory mode with the task’s settings and seed, the name and group in the journal, the task noted in the journal.</translation>
    </message>
    <message>
        <source>--assign требует два аргумента, список группы и папку, и не сочетается с другими командами</source>
        <translation>--assign needs two arguments, a roster and a folder, and goes with no other command</translation>
    </message>
    <message>
        <source>--task требует один файл задания и не сочетается с другими командами</source>
        <translation>--task needs one task file and goes with no other command</translation>
    </message>
    <message>
        <source>Моделирование опыта Вельтрана: учебная модель опыта, в котором измеряют элементарный заряд.

oildrop --report ЖУРНАЛ.json ОТЧЁТ.pdf
oildrop --class СВОДКА.pdf|СВОДКА.csv ЖУРНАЛ.json...
oildrop --check ЖУРНАЛ.json
oildrop --assign СПИСОК.csv ПАПКА
oildrop --task ЗАДАНИЕ.json
oildrop --grade ПАПКА/assignment.json ОЦЕНКИ.csv ЖУРНАЛ.json...</source>
        <translation>Simulation of Veltran&apos;s Experiment: a teaching model of the experiment that measures the elementary charge.

oildrop --report JOURNAL.json REPORT.pdf
oildrop --class SUMMARY.pdf|SUMMARY.csv JOURNAL.json...
oildrop --check JOURNAL.json
oildrop --assign ROSTER.csv FOLDER
oildrop --task TASK.json
oildrop --grade FOLDER/assignment.json GRADES.csv JOURNAL.json...</translation>
    </message>
    <message>
        <source>Оценить журналы по заданию и выйти, без окна: каждая капля воспроизводится по зерну студента, каждый отсчёт секундомера сверяется с её движением (edited — отсчёт дальше, чем объясняет рука; foreign — капля не из задания; wrong-task — журнал чужого задания; digits — неравномерные последние цифры введённых вручную времён). Пишет ОЦЕНКИ.csv (строка на каждого студента списка), ОЦЕНКИ-gradebook.csv (email и оценка, для электронного журнала) и ОЦЕНКИ.pdf (сводка с гистограммой). Статус 0; 1, если не оценён ни один журнал.</source>
        <translation>Grade the journals of an assignment and exit, without a window: each drop is replayed from the student’s seed, each stopwatch timing checked against its motion (edited — a timing farther off than a hand explains; foreign — a drop not of the task; wrong-task — a journal of another’s task; digits — uneven last digits of times typed in by hand). Writes GRADES.csv (a row for each student of the roster), GRADES-gradebook.csv (e-mail and grade, for a gradebook) and GRADES.pdf (the summary with a histogram). Status 0; 1 when no journal was graded.</translation>
    </message>
    <message>
        <source>--grade требует файл задания преподавателя, файл оценок (.csv) и хотя бы один журнал, и не сочетается с другими командами</source>
        <translation>--grade needs the teacher’s assignment file, a grades file (.csv) and at least one journal, and goes with no other command</translation>
    </message>
</context>
<context>
    <name>QtMessageBox</name>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>RealDropDialog</name>
    <message>
        <source>Капля с реальной установки</source>
        <translation>Drop from a real apparatus</translation>
    </message>
    <message>
        <source>Расстояние между &amp;пластинами, м:</source>
        <translation>Distance between the &amp;plates, m:</translation>
    </message>
    <message>
        <source>&amp;Напряжение, В:</source>
        <translation>&amp;Voltage, V:</translation>
    </message>
    <message>
        <source>Путь &amp;капли, м:</source>
        <translation>&amp;Distance of the drop, m:</translation>
    </message>
    <message>
        <source>Плотность &amp;масла, кг/м³:</source>
        <translation>Density of the &amp;oil, kg/m³:</translation>
    </message>
    <message>
        <source>Плотность &amp;воздуха, кг/м³:</source>
        <translation>Density of the &amp;air, kg/m³:</translation>
    </message>
    <message>
        <source>В&amp;язкость воздуха, Па·с:</source>
        <translation>V&amp;iscosity of the air, Pa·s:</translation>
    </message>
    <message>
        <source>&amp;Давление, Па:</source>
        <translation>P&amp;ressure, Pa:</translation>
    </message>
    <message>
        <source>&amp;Температура, °C:</source>
        <translation>&amp;Temperature, °C:</translation>
    </message>
    <message>
        <source>Расстояние, на котором засекают время подъёма и падения капли</source>
        <translation>The distance over which the drop&apos;s rises and falls are timed</translation>
    </message>
    <message>
        <source>Пока её не изменить, вязкость воздуха следует за температурой (закон Сазерленда)</source>
        <translation>Until you change it, the viscosity of air follows the temperature (Sutherland&apos;s law)</translation>
    </message>
    <message>
        <source>&amp;Поправка на скольжение</source>
        <translation>&amp;Slip correction</translation>
    </message>
    <message>
        <source>Установка, на которой измерена капля. Время её подъёмов и падений впишите затем в журнал: «Добавить измерение» (Insert); подъём — с минусом в графе «Путь, м».</source>
        <translation>The apparatus the drop was measured on. Then type the times of its rises and falls into the journal: “Add measurement” (Insert); a rise with a minus sign in the column “Distance, m”.</translation>
    </message>
    <message>
        <source>«%1» — не число.</source>
        <translation>“%1” is not a number.</translation>
    </message>
    <message>
        <source>Расстояние между пластинами должно быть больше нуля, путь капли — больше нуля и не больше него.</source>
        <translation>The distance between the plates must be greater than zero, the distance timed greater than zero and no greater than it.</translation>
    </message>
    <message>
        <source>Нулевое напряжение бессмысленно!</source>
        <translation>A zero voltage makes no sense!</translation>
    </message>
    <message>
        <source>Плотность воздуха должна быть больше нуля, а плотность масла — больше неё.</source>
        <translation>The air&apos;s density must be greater than zero, and the oil&apos;s greater than the air&apos;s.</translation>
    </message>
    <message>
        <source>Вязкость воздуха должна быть больше нуля.</source>
        <translation>The viscosity of air must be greater than zero.</translation>
    </message>
    <message>
        <source>Давление должно быть от 1000 до 200 000 Па!</source>
        <translation>The pressure must be from 1000 to 200 000 Pa!</translation>
    </message>
    <message>
        <source>Температура должна быть от −50 до 100 °C!</source>
        <translation>The temperature must be from −50 to 100 °C!</translation>
    </message>
</context>
<context>
    <name>RealismFile</name>
    <message>
        <source>файл больше %1 байт</source>
        <translation>the file is larger than %1 bytes</translation>
    </message>
    <message>
        <source>это не объект JSON</source>
        <translation>it is not a JSON object</translation>
    </message>
    <message>
        <source>«level» должен быть «ideal», «standard» или «full»</source>
        <translation>“level” must be “ideal”, “standard” or “full”</translation>
    </message>
    <message>
        <source>«locked» должен быть true или false</source>
        <translation>“locked” must be true or false</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>файл слишком велик для списка группы</source>
        <translation>the file is too large for a roster</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8</source>
        <translation>the file is not in UTF-8</translation>
    </message>
    <message>
        <source>кавычка не закрыта</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>файл пуст: нет строки заголовка</source>
        <translation>the file is empty: no header line</translation>
    </message>
    <message>
        <source>столбец «%1» назван дважды</source>
        <translation>the column “%1” is named twice</translation>
    </message>
    <message>
        <source>нет столбца «%1»</source>
        <translation>no column “%1”</translation>
    </message>
    <message>
        <source>%1 полей вместо %2</source>
        <translation>%1 fields instead of %2</translation>
    </message>
    <message>
        <source>больше %1 студентов</source>
        <translation>more than %1 students</translation>
    </message>
    <message>
        <source>пустой id</source>
        <translation>empty id</translation>
    </message>
    <message>
        <source>id «%1» не годится для имени файла: можно буквы, цифры, «-», «_» и «.» (не первой), не больше %2 знаков</source>
        <translation>the id “%1” cannot name a file: letters, digits, “-”, “_” and “.” (not first) are allowed, at most %2 characters</translation>
    </message>
    <message>
        <source>id «%1» повторяется</source>
        <translation>the id “%1” is repeated</translation>
    </message>
    <message>
        <source>пустое имя</source>
        <translation>empty name</translation>
    </message>
    <message>
        <source>поле длиннее %1 знаков</source>
        <translation>a field longer than %1 characters</translation>
    </message>
    <message>
        <source>в списке нет ни одного студента</source>
        <translation>the roster has no student</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>шаг</source>
        <translation>step</translation>
    </message>
    <message>
        <source>t (с)</source>
        <translation>t (s)</translation>
    </message>
    <message>
        <source>x (м)</source>
        <translation>x (m)</translation>
    </message>
    <message>
        <source>v (м/с)</source>
        <translation>v (m/s)</translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>На Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вы абсолютно уверены?</source>
        <translation>Are you absolutely sure?</translation>
    </message>
</context>
<context>
    <name>StopwatchWindow</name>
    <message>
        <source>Секундомер</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Расстояние между соседними линиями анимации: десятая часть промежутка D</source>
        <translation>Distance between neighbouring lines of the animation: a tenth of the gap D</translation>
    </message>
    <message>
        <source> дел.</source>
        <translation> div.</translation>
    </message>
    <message>
        <source>Сколько делений проходит капля за один промежуток</source>
        <translation>How many divisions the droplet covers in one timing</translation>
    </message>
    <message>
        <source>Путь за промежуток, делений</source>
        <translation>Distance per timing, divisions</translation>
    </message>
    <message>
        <source>Промежутки</source>
        <translation>Timings</translation>
    </message>
    <message>
        <source>Путь:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Секундомер: %1</source>
        <translation>Stopwatch: %1</translation>
    </message>
    <message>
        <source>Нажмите «ПУСК»: капля ещё не запущена в лабораторном режиме.</source>
        <translation>Press “START”: no droplet has been started in laboratory mode yet.</translation>
    </message>
    <message>
        <source>Цена деления: D/10 = %1 мм</source>
        <translation>Scale division: D/10 = %1 mm</translation>
    </message>
    <message>
        <source>= %1 мм</source>
        <translation>= %1 mm</translation>
    </message>
    <message>
        <source>Установка</source>
        <translation>Apparatus</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Напряжение между пластинами, В: стрелки, PgUp и PgDown — на 1 %, с Shift — на 10 %</source>
        <translation>Voltage between the plates, V: the arrows, PgUp and PgDown by 1 %, with Shift by 10 %</translation>
    </message>
    <message>
        <source>Напряжение между пластинами, вольт</source>
        <translation>Voltage between the plates, volts</translation>
    </message>
    <message>
        <source>&amp;Напряжение:</source>
        <translation>&amp;Voltage:</translation>
    </message>
    <message>
        <source>Капля %1 · %2 · облучений: %3</source>
        <translation>Drop %1 · %2 · irradiations: %3</translation>
    </message>
    <message>
        <source> · не удерживается</source>
        <translation> · not held</translation>
    </message>
    <message>
        <source>&amp;Давление:</source>
        <translation>P&amp;ressure:</translation>
    </message>
    <message>
        <source>Па</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Давление воздуха, Па (от 1000 до 200 000): с поправкой на скольжение</source>
        <translation>Air pressure, Pa (from 1000 to 200 000): with the slip correction</translation>
    </message>
    <message>
        <source>Давление воздуха, паскалей</source>
        <translation>Air pressure, pascals</translation>
    </message>
    <message>
        <source>&amp;Температура:</source>
        <translation>&amp;Temperature:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Температура воздуха, °C (от −50 до 100): с поправкой на скольжение от неё зависит вязкость воздуха</source>
        <translation>Air temperature, °C (from −50 to 100): with the slip correction the viscosity of air depends on it</translation>
    </message>
    <message>
        <source>Температура воздуха, градусов Цельсия</source>
        <translation>Air temperature, degrees Celsius</translation>
    </message>
    <message>
        <source>%1) %2</source>
        <translation>%1) %2</translation>
    </message>
    <message>
        <source>%1 дел.</source>
        <translation>%1 div.</translation>
    </message>
    <message>
        <source>облучений: %1</source>
        <translation>irradiations: %1</translation>
    </message>
    <message>
        <source>состояние капли сменилось</source>
        <translation>the drop&apos;s state changed</translation>
    </message>
    <message>
        <source>✓ в журнале</source>
        <translation>✓ in journal</translation>
    </message>
    <message>
        <source>Промежуток: время опыта с пуска или с последней отсечки, секунды движения капли; не зависит от замедления</source>
        <translation>Interval: experiment time since the start or the last lap, seconds of the droplet&apos;s motion, whatever the slow-down</translation>
    </message>
    <message>
        <source>Время опыта с пуска секундомера: все промежутки с отсечками вместе</source>
        <translation>Experiment time since the stopwatch was started: all the intervals between laps together</translation>
    </message>
    <message>
        <source>Всего с пуска: %1</source>
        <translation>Total since start: %1</translation>
    </message>
    <message>
        <source> · капли не видно в микроскопе: засечь её время нельзя</source>
        <translation> · the drop cannot be seen in the microscope: it cannot be timed</translation>
    </message>
</context>
<context>
    <name>StudentDialog</name>
    <message>
        <source>Кто измерял</source>
        <translation>Who measured</translation>
    </message>
    <message>
        <source>Имя и группа попадут в журнал, в отчёт и в сводку группы. Их можно изменить потом в окне журнала.</source>
        <translation>The name and group go into the journal, the report and the group&apos;s summary. They can be changed later in the journal&apos;s window.</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>&amp;Студент:</source>
        <translation>&amp;Student:</translation>
    </message>
    <message>
        <source>&amp;Группа:</source>
        <translation>&amp;Group:</translation>
    </message>
</context>
<context>
    <name>SurfaceExport</name>
    <message>
        <source>Копировать изображение</source>
        <translation>Copy Image</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save Image…</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save Data…</translation>
    </message>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation>Save Data</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»:
%2.</source>
        <translation>Could not save the file “%1”:
%2.</translation>
    </message>
</context>
<context>
    <name>TaskFile</name>
    <message>
        <source>нет ключа «%1»</source>
        <translation>no key “%1”</translation>
    </message>
    <message>
        <source>неверное значение «%1» в %2</source>
        <translation>invalid value “%1” in %2</translation>
    </message>
    <message>
        <source>файл слишком велик для задания</source>
        <translation>the file is too large for a task</translation>
    </message>
    <message>
        <source>файл повреждён или обрезан (%1, позиция %2)</source>
        <translation>the file is damaged or cut off (%1, position %2)</translation>
    </message>
    <message>
        <source>это не задание лабораторной работы</source>
        <translation>this is not a laboratory task</translation>
    </message>
    <message>
        <source>неверное значение «%1»</source>
        <translation>invalid value “%1”</translation>
    </message>
    <message>
        <source>задание записано более новой версией программы</source>
        <translation>the task was written by a newer version of the program</translation>
    </message>
</context>
<context>
    <name>TimingAudit</name>
    <message>
        <source>журнал ведётся с чужим зерном: это не задание студента</source>
        <translation>the journal was kept with another seed: it is not the student&apos;s task</translation>
    </message>
    <message>
        <source>капля %1 не из этого задания: её зерно не то, что даёт задание</source>
        <translation>drop %1 is not of this task: its seed is not the one the task gives</translation>
    </message>
    <message>
        <source>у отсчёта нет нажатий секундомера: его нельзя проверить</source>
        <translation>the timing has no stopwatch presses: it cannot be checked</translation>
    </message>
    <message>
        <source>время %1 с, а секундомер между нажатиями показал %2 с</source>
        <translation>the time is %1 s, but the stopwatch read %2 s between its presses</translation>
    </message>
    <message>
        <source>время %1 с, а капля прошла этот путь за %2 с (рука объясняет ±%3 с)</source>
        <translation>the time is %1 s, but the drop covered this distance in %2 s (a hand explains ±%3 s)</translation>
    </message>
    <message>
        <source>капля не проходила этот путь после первого нажатия</source>
        <translation>the drop did not cover this distance after the first press</translation>
    </message>
    <message>
        <source>ни один отсчёт капли %1 не совпадает с её движением: капля не из этого задания</source>
        <translation>no timing of drop %1 matches its motion: the drop is not of this task</translation>
    </message>
    <message>
        <source>последние цифры введённых времён неравномерны (χ² = %1 при 9 степенях свободы): настоящие отсчёты так не выглядят</source>
        <translation>the last digits of the typed times are not uniform (χ² = %1 with 9 degrees of freedom): real readings do not look like that</translation>
    </message>
    <message>
        <source>капля %1 поймана не в распылении этого задания, не с тем зарядом или записана дважды</source>
        <translation>drop %1 was not caught in a spray of this task, has another charge, or is recorded twice</translation>
    </message>
</context>
</TS>
