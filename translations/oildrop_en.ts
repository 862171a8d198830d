<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
    <name>ExperimentProcedure</name>
    <message>
        <source>ЗАМЕЧАНИЕ</source>
        <translation>REMARK</translation>
    </message>
    <message>
        <source>Опвт выполнен неверно. Вы не Вельтран! Прочтите описание и инструкцию.</source>
        <translation>The experiment was performed incorrectly. You are not Veltran! Read the description and the instructions.</translation>
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
        <source>Не удалось открыть файл «%1»: не найдена программа для его просмотра.</source>
        <translation>Could not open the file “%1”: no program to view it was found.</translation>
    </message>
    <message>
        <source>Не удалось запустить текстовый редактор, чтобы открыть файл «%1».</source>
        <translation>Could not start a text editor to open the file “%1”.</translation>
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
        <source>Моделирование опыта Вельтрана: учебная модель опыта, в котором измеряют элементарный заряд.</source>
        <translation>Simulation of Veltran&apos;s Experiment: a teaching model of the experiment that measures the elementary charge.</translation>
    </message>
    <message>
        <source>Язык интерфейса и справки: ru (русский) или en (английский). Без него — первый из языков системы, который есть у программы; иначе русский.</source>
        <translation>Language of the interface and the help: ru (Russian) or en (English). Without it, the first of the system’s languages that the program has; else Russian.</translation>
    </message>
    <message>
        <source>неизвестный язык «%1»: можно ru или en</source>
        <translation>unknown language “%1”: use ru or en</translation>
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
</TS>
