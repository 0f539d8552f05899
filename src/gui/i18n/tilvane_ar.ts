<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AboutText</name>
    <message>
        <source>Last Update: %1</source>
        <translation>آخر تحديث: %1</translation>
    </message>
    <message>
        <source>Tilvane is a free desktop Quran reader, built on openly licensed Quran text and translation data, for everyone who wants to read the Quran and listen to its recitation on a computer of their own.</source>
        <translation>Tilvane برنامج حر لقراءة القرآن على الحاسوب، مبني على نص القرآن وبيانات ترجمات ذات تراخيص مفتوحة، لكل من يريد قراءة القرآن والاستماع إلى تلاوته على حاسوبه الخاص.</translation>
    </message>
    <message>
        <source>Thank you for your kindness in evaluating and using this program.</source>
        <translation>شكرًا لتفضلك بتجربة هذا البرنامج واستخدامه.</translation>
    </message>
    <message>
        <source>The Tilvane developers</source>
        <translation>مطوّرو Tilvane</translation>
    </message>
    <message>
        <source>Your suggestions are most welcome, you can reach me at:</source>
        <translation>نرحب باقتراحاتك، ويمكنك مراسلتنا على:</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>التوزيع</translation>
    </message>
    <message>
        <source>Tilvane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. The Arabic text, the Arabic sura names and the other translations come from the quran-json package (CC BY-SA 4.0 licence); the Indonesian translation, transliteration and sura meanings from the quran-pack package (ISC licence); the index of juz, hizb, pages and sajda from the quran-meta package (MIT licence); the Arabic font is SIL Scheherazade (SIL Open Font License).</source>
        <translation>Tilvane برنامج حر: يمكنك إعادة توزيعه و/أو تعديله وفق شروط رخصة جنو العمومية (GNU General Public License) كما نشرتها مؤسسة البرمجيات الحرة، إما الإصدار 3 من الرخصة أو (حسب اختيارك) أي إصدار لاحق. النص العربي وأسماء السور بالعربية والترجمات الأخرى من حزمة quran-json (رخصة CC BY-SA 4.0)؛ والترجمة الإندونيسية والنص اللاتيني ومعاني أسماء السور من حزمة quran-pack (رخصة ISC)؛ وفهرس الأجزاء والأحزاب والصفحات والسجدات من حزمة quran-meta (رخصة MIT)؛ والخط العربي هو SIL Scheherazade (رخصة SIL Open Font License).</translation>
    </message>
    <message>
        <source>You may give away or sell copies, alone or together with other products, as long as you pass on the same freedoms and the source code under the same licence; its full text comes with the program (LICENSE, or /usr/share/common-licenses/GPL-3 on Debian). %1.</source>
        <translation>يجوز لك توزيع نسخ منه مجانًا أو بيعها، وحدها أو مع منتجات أخرى، ما دمت تنقل الحريات نفسها والشفرة المصدرية بالرخصة نفسها؛ ونصها الكامل مرفق بالبرنامج (LICENSE، أو ⁦/usr/share/common-licenses/GPL-3⁩ على دبيان). %1.</translation>
    </message>
    <message>
        <source>Disclaimer of Warranty</source>
        <translation>إخلاء المسؤولية عن الضمان</translation>
    </message>
    <message>
        <source>THIS SOFTWARE AND THE ACCOMPANYING FILES ARE PROVIDED &quot;AS IS&quot;, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED. THE WHOLE RISK OF USING THIS SOFTWARE IS WITH YOU, THE USER.</source>
        <translation>يُقدَّم هذا البرنامج والملفات المرافقة له «كما هي» دون أي ضمان من أي نوع، صريحًا كان أو ضمنيًا. وتقع مخاطر استخدام هذا البرنامج كاملةً عليك أنت، المستخدم.</translation>
    </message>
</context>
<context>
    <name>ByteSizeText</name>
    <message>
        <source>about %1 GB</source>
        <translation>نحو %1 غيغابايت</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>نحو %1 ميغابايت</translation>
    </message>
</context>
<context>
    <name>ColorPicker</name>
    <message>
        <source>Choose a colour</source>
        <translation>اختر لونًا</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Put back the default colour</source>
        <translation>استعادة اللون الافتراضي</translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>Quran</source>
        <translation>القرآن</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>انتقال</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>التلاوة</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>الإشارات المرجعية</translation>
    </message>
    <message>
        <source>View</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>المساعدة</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <source>Unexpected error</source>
        <translation>خطأ غير متوقع</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Command</source>
        <translation>الأمر</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>ملف الإعدادات</translation>
    </message>
    <message>
        <source>Recitations</source>
        <translation>التلاوات</translation>
    </message>
    <message>
        <source>Translation packages</source>
        <translation>حزم الترجمة</translation>
    </message>
    <message>
        <source>Bookmarks, topics and notes</source>
        <translation>الإشارات المرجعية والمواضيع والملاحظات</translation>
    </message>
    <message>
        <source>Search index</source>
        <translation>فهرس البحث</translation>
    </message>
    <message>
        <source>Pages being shown (working folder)</source>
        <translation>الصفحات المعروضة (مجلد العمل)</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>مساعدة %1</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>The Quran tab shows one sura at a time: the Arabic text of every aya and, depending on the view chosen in Settings, the transliteration and the translations. Choose a sura and an aya in the boxes at the top and press Go, or pick a sura in the Contents list on the right. Each sura there also opens its introduction (Mukadimah) and its closing words (Penutup).</source>
        <translation>يعرض تبويب القرآن سورة واحدة في كل مرة: النص العربي لكل آية، ومعه بحسب طريقة العرض المختارة في الإعدادات النصُّ اللاتيني والترجمات. اختر سورة وآية من المربعين في الأعلى ثم اضغط «انتقال»، أو اختر سورة من قائمة المحتويات على الجانب. ولكل سورة هناك أيضًا مقدمتها (Mukadimah) وخاتمتها (Penutup).</translation>
    </message>
    <message>
        <source>The ≡ button at the top right holds every command of the window, with its keys. The same commands, and more, are in the menu that a right click on the page opens.</source>
        <translation>يضم الزر ≡ في أعلى النافذة كل أوامرها مع مفاتيحها. وتجد الأوامر نفسها وغيرها في القائمة التي تظهر عند النقر بالزر الأيمن على الصفحة.</translation>
    </message>
    <message>
        <source>Reading and moving</source>
        <translation>القراءة والتنقل</translation>
    </message>
    <message>
        <source>Move aya by aya or sura by sura with the arrow buttons above the page or with the keys below. After the last aya of a sura comes the first aya of the next, and after sura 114 comes sura 1. Select Sura opens a list of all suras that you can filter by typing part of a name or a number.</source>
        <translation>تنقّل آيةً آية أو سورةً سورة بأزرار الأسهم فوق الصفحة أو بالمفاتيح أدناه. بعد آخر آية في السورة تأتي أول آية من السورة التالية، وبعد السورة 114 تأتي السورة 1. ويفتح «اختيار سورة» قائمة بكل السور يمكنك تصفيتها بكتابة جزء من الاسم أو الرقم.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>البحث</translation>
    </message>
    <message>
        <source>Ctrl+F opens the Search tab. Type one or more words: an aya is found when it holds all of them, in any order. Put words in &quot;double quotes&quot; to find them together in that order. Arabic is found with or without vowel marks, and transliterations with or without their accents and apostrophes. &quot;Whole words&quot; finds only whole words instead of parts of words. Limit the search to the whole Quran, the shown sura or one juz, and to the Arabic text, the transliteration or the translations. Double-click a result to read it in its place.</source>
        <translation>يفتح Ctrl+F تبويب البحث. اكتب كلمة أو أكثر: تُعرض الآية إذا احتوت عليها كلها بأي ترتيب. ضع الكلمات بين &quot;علامتي تنصيص&quot; لتجدها متتالية بهذا الترتيب. يُعثر على النص العربي بالتشكيل أو بدونه، وعلى النص اللاتيني بعلامات النطق والفواصل العليا أو بدونها. ويقصر خيار «كلمات كاملة» النتائج على الكلمات الكاملة دون أجزائها. ويمكنك حصر البحث في القرآن كله أو السورة المعروضة أو جزء واحد، وفي النص العربي أو اللاتيني أو الترجمات. انقر نقرًا مزدوجًا على نتيجة لقراءتها في موضعها.</translation>
    </message>
    <message>
        <source>Bookmarks and notes</source>
        <translation>الإشارات المرجعية والملاحظات</translation>
    </message>
    <message>
        <source>Ctrl+D bookmarks the shown aya, or removes its bookmark; a bookmarked aya carries a star. The Topics tab lists your bookmarks, sorted into topics of your own, each with a note you can write. Export and Import save them to a file and read them back, for another computer or a backup.</source>
        <translation>يضيف Ctrl+D إشارة مرجعية إلى الآية المعروضة أو يزيلها؛ وتحمل الآية ذات الإشارة نجمة. ويعرض تبويب المواضيع إشاراتك مرتبة في مواضيع تنشئها بنفسك، ولكل منها ملاحظة تكتبها. ويحفظها «تصدير» في ملف ويقرؤها «استيراد» من جديد، لحاسوب آخر أو نسخة احتياطية.</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>التلاوة</translation>
    </message>
    <message>
        <source>No recitation comes with the program. A recitation is a set of MP3 files, one per aya, named by sura and aya in three digits each: 001001.mp3 is the first aya of sura 1, 002255.mp3 is aya 255 of sura 2. Many reciters publish such sets on the web.</source>
        <translation>لا تأتي مع البرنامج أي تلاوة. التلاوة مجموعة ملفات MP3، ملف لكل آية، يُسمّى برقم السورة ورقم الآية في ثلاث خانات لكل منهما: ⁦001001.mp3⁩ هو الآية الأولى من السورة 1، و⁦002255.mp3⁩ هو الآية 255 من السورة 2. وينشر كثير من القراء مجموعات كهذه على الويب.</translation>
    </message>
    <message>
        <source>Settings › Audio lists the installed reciters with their size and how many ayat they hold, removes them, and chooses the one that plays. Press Play in the Audio Player tab to hear the shown aya; with &quot;Play Continuously&quot; the recitation goes on aya after aya, and the options below it repeat ayat or a range and set the speed.</source>
        <translation>تعرض الإعدادات › الصوت القراءَ المثبتين مع حجم كل منهم وعدد الآيات لديه، وتتيح إزالتهم واختيار القارئ الذي يُشغَّل. اضغط «تشغيل» في تبويب مشغل الصوت لتسمع الآية المعروضة؛ ومع «تشغيل متواصل» تستمر التلاوة آيةً بعد آية، والخيارات أسفله تكرر الآيات أو نطاقًا منها وتضبط السرعة.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>الطباعة</translation>
    </message>
    <message>
        <source>&quot;Print…&quot; (Ctrl+P) prints the page in front, the sura or its introduction, and &quot;Save as PDF…&quot; writes it to a PDF file. Both are in the ≡ menu and in the page&apos;s right-click menu.</source>
        <translation>يطبع «طباعة…» (Ctrl+P) الصفحة المعروضة، السورة أو مقدمتها، ويكتبها «حفظ بصيغة PDF…» في ملف PDF. وكلاهما في القائمة ≡ وفي قائمة النقر بالزر الأيمن على الصفحة.</translation>
    </message>
    <message>
        <source>Where your files are kept</source>
        <translation>أين تُحفظ ملفاتك</translation>
    </message>
    <message>
        <source>Data sources and licences</source>
        <translation>مصادر البيانات وتراخيصها</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later. The Arabic text, the Arabic sura names and the other translations come from the quran-json package (CC BY-SA 4.0 licence); the Indonesian translation, transliteration and sura meanings from the quran-pack package (ISC licence); the index of juz, hizb, pages and sajda from the quran-meta package (MIT licence); the Arabic font is SIL Scheherazade (SIL Open Font License). Recitations you install keep the terms of their publishers.</source>
        <translation>%1 برنامج حر يخضع لرخصة جنو العمومية (GNU General Public License)، الإصدار 3 أو أي إصدار لاحق. النص العربي وأسماء السور بالعربية والترجمات الأخرى من حزمة quran-json (رخصة CC BY-SA 4.0)؛ والترجمة الإندونيسية والنص اللاتيني ومعاني أسماء السور من حزمة quran-pack (رخصة ISC)؛ وفهرس الأجزاء والأحزاب والصفحات والسجدات من حزمة quran-meta (رخصة MIT)؛ والخط العربي هو SIL Scheherazade (رخصة SIL Open Font License). وتبقى التلاوات التي تثبّتها خاضعة لشروط ناشريها.</translation>
    </message>
    <message>
        <source>To install one, press &quot;Install recitation…&quot; in the Audio Player tab, or Install… in Settings › Audio, and pick a reciter from the list of public recitations. Any other source works too: a web folder (an address such as https://example.org/reciter/ that holds 001001.mp3 and the other files), a folder on this computer holding the files directly or in one folder per sura (001, 002, …), or a ZIP or 7z archive of such a folder. Install the whole Quran, some suras (for example 1,78-114) or some juz (for example 30); the dialog shows about how much that is before you start. An install that stops half-way keeps what it has; run it again to fetch only what is missing.</source>
        <translation>لتثبيت تلاوة اضغط «تثبيت تلاوة…» في تبويب مشغل الصوت، أو «تثبيت…» في الإعدادات › الصوت، واختر قارئًا من قائمة التلاوات العامة. وتصلح مصادر أخرى أيضًا: مجلد على الويب (عنوان مثل ⁦https://example.org/reciter/⁩ يضم ⁦001001.mp3⁩ وبقية الملفات)، أو مجلد على هذا الحاسوب يضم الملفات مباشرة أو في مجلد لكل سورة (001، 002، …)، أو أرشيف ZIP أو 7z لمثل هذا المجلد. ثبّت القرآن كاملًا أو بعض السور (مثلًا 1,78-114) أو بعض الأجزاء (مثلًا 30)؛ ويعرض مربع الحوار مقدار ذلك تقريبًا قبل أن تبدأ. التثبيت الذي يتوقف في منتصفه يحتفظ بما اكتمل؛ شغّله مرة أخرى لجلب الناقص فقط.</translation>
    </message>
</context>
<context>
    <name>MainWindowUi</name>
    <message>
        <source> Quran </source>
        <translation> القرآن </translation>
    </message>
    <message>
        <source> Search </source>
        <translation> بحث </translation>
    </message>
    <message>
        <source> Topics </source>
        <translation> المواضيع </translation>
    </message>
    <message>
        <source> Index </source>
        <translation> الفهرس </translation>
    </message>
    <message>
        <source> About </source>
        <translation> حول البرنامج </translation>
    </message>
    <message>
        <source> Help </source>
        <translation> المساعدة </translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>انتقال</translation>
    </message>
    <message>
        <source>Go to Selected Sura</source>
        <translation>الانتقال إلى السورة المختارة</translation>
    </message>
    <message>
        <source>Prev Sura</source>
        <translation>السورة السابقة</translation>
    </message>
    <message>
        <source>Go to previous sura</source>
        <translation>الانتقال إلى السورة السابقة</translation>
    </message>
    <message>
        <source>Next Sura</source>
        <translation>السورة التالية</translation>
    </message>
    <message>
        <source>Go to next sura</source>
        <translation>الانتقال إلى السورة التالية</translation>
    </message>
    <message>
        <source>Prev Aya</source>
        <translation>الآية السابقة</translation>
    </message>
    <message>
        <source>Go to previous aya</source>
        <translation>الانتقال إلى الآية السابقة</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>الآية التالية</translation>
    </message>
    <message>
        <source>Go to next aya</source>
        <translation>الانتقال إلى الآية التالية</translation>
    </message>
    <message>
        <source>Select Sura</source>
        <translation>اختيار سورة</translation>
    </message>
    <message>
        <source>Select sura name from list</source>
        <translation>اختر اسم السورة من القائمة</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>إعادة التحميل</translation>
    </message>
    <message>
        <source>Reload sura</source>
        <translation>إعادة تحميل السورة</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Bookmark this aya</source>
        <translation>إضافة إشارة مرجعية لهذه الآية</translation>
    </message>
    <message>
        <source>Bookmark this aya|Add or remove a bookmark on the shown aya</source>
        <translation>إضافة إشارة مرجعية لهذه الآية|إضافة إشارة مرجعية إلى الآية المعروضة أو إزالتها</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Search the Quran and the translations</source>
        <translation>البحث في القرآن والترجمات</translation>
    </message>
    <message>
        <source>&amp;Sura:</source>
        <translation>السورة:</translation>
    </message>
    <message>
        <source>&amp;Aya:</source>
        <translation>الآية:</translation>
    </message>
    <message>
        <source> Contents </source>
        <translation> المحتويات </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>Unable to write to %1: the page could not be printed.</source>
        <translation>تعذّرت الكتابة إلى %1: تعذّرت طباعة الصفحة.</translation>
    </message>
    <message>
        <source>Unable to write to %1: the page is not ready to print.</source>
        <translation>تعذّرت الكتابة إلى %1: الصفحة ليست جاهزة للطباعة.</translation>
    </message>
</context>
<context>
    <name>PlayerText</name>
    <message>
        <source>Stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>قيد التشغيل</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>في الانتظار</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>إلغاء كتم الصوت</translation>
    </message>
    <message>
        <source>Play|Play current aya</source>
        <translation>تشغيل|تشغيل الآية الحالية</translation>
    </message>
    <message>
        <source>Stop|Stop playing current aya</source>
        <translation>إيقاف|إيقاف تشغيل الآية الحالية</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>الآية السابقة</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>الآية التالية</translation>
    </message>
</context>
<context>
    <name>RecitationOptions</name>
    <message>
        <source>Without end</source>
        <translation>بلا نهاية</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 مرات</translation>
    </message>
    <message>
        <source>As long as the aya</source>
        <translation>بقدر مدة الآية</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>&amp;Repeat aya:</source>
        <translation>تكرار الآية:</translation>
    </message>
    <message>
        <source>Pa&amp;use after:</source>
        <translation>توقف بعدها:</translation>
    </message>
    <message>
        <source>From, to:</source>
        <translation>من، إلى:</translation>
    </message>
    <message>
        <source>&amp;Times:</source>
        <translation>عدد المرات:</translation>
    </message>
</context>
<context>
    <name>SavedFileNotice</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>حُفظ ⁦%1⁩ في ⁦%2⁩</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>فتح المجلد</translation>
    </message>
</context>
<context>
    <name>Tajweed</name>
    <message>
        <source>Hamzat al-wasl (silent when joined)</source>
        <translation>همزة الوصل (تسقط في الوصل)</translation>
    </message>
    <message>
        <source>Lam shamsiyyah (silent lam)</source>
        <translation>اللام الشمسية (لام لا تُنطق)</translation>
    </message>
    <message>
        <source>Silent letter</source>
        <translation>حرف لا يُنطق</translation>
    </message>
    <message>
        <source>Natural madd (2 counts)</source>
        <translation>المد الطبيعي (حركتان)</translation>
    </message>
    <message>
        <source>Madd when stopping (2, 4 or 6 counts)</source>
        <translation>المد العارض للسكون (2 أو 4 أو 6 حركات)</translation>
    </message>
    <message>
        <source>Necessary madd (6 counts)</source>
        <translation>المد اللازم (6 حركات)</translation>
    </message>
    <message>
        <source>Separated madd (4 or 5 counts)</source>
        <translation>المد المنفصل (4 أو 5 حركات)</translation>
    </message>
    <message>
        <source>Joined madd (4 or 5 counts)</source>
        <translation>المد المتصل (4 أو 5 حركات)</translation>
    </message>
    <message>
        <source>Qalqalah (echo)</source>
        <translation>القلقلة (نبرة الارتداد)</translation>
    </message>
    <message>
        <source>Ghunnah (nasal sound, 2 counts)</source>
        <translation>الغنة (صوت من الأنف، حركتان)</translation>
    </message>
    <message>
        <source>Ikhfa (hidden noon)</source>
        <translation>الإخفاء (إخفاء النون)</translation>
    </message>
    <message>
        <source>Ikhfa shafawi (hidden meem)</source>
        <translation>الإخفاء الشفوي (إخفاء الميم)</translation>
    </message>
    <message>
        <source>Iqlab (noon said as meem)</source>
        <translation>الإقلاب (النون تُقلب ميمًا)</translation>
    </message>
    <message>
        <source>Idghaam with ghunnah</source>
        <translation>الإدغام بغنة</translation>
    </message>
    <message>
        <source>Idghaam without ghunnah</source>
        <translation>الإدغام بغير غنة</translation>
    </message>
    <message>
        <source>Idghaam shafawi (meem into meem)</source>
        <translation>الإدغام الشفوي (ميم في ميم)</translation>
    </message>
    <message>
        <source>Idghaam of kindred letters</source>
        <translation>إدغام المتجانسين</translation>
    </message>
    <message>
        <source>Idghaam of close letters</source>
        <translation>إدغام المتقاربين</translation>
    </message>
    <message>
        <source>Tajweed colours</source>
        <translation>ألوان التجويد</translation>
    </message>
</context>
<context>
    <name>ViewStyle</name>
    <message>
        <source>Arabic and Translations</source>
        <translation>العربية والترجمات</translation>
    </message>
    <message>
        <source>Arabic Only</source>
        <translation>العربية فقط</translation>
    </message>
    <message>
        <source>Arabic Only 1 Aya per-Line</source>
        <translation>العربية فقط، آية في كل سطر</translation>
    </message>
    <message>
        <source>Translations Only</source>
        <translation>الترجمات فقط</translation>
    </message>
</context>
<context>
    <name>tilvane::AudioPlayerTab</name>
    <message>
        <source>Reciter:</source>
        <translation>القارئ:</translation>
    </message>
    <message>
        <source>Play Continuously</source>
        <translation>تشغيل متواصل</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>الآية التالية</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>الآية السابقة</translation>
    </message>
    <message>
        <source>The recitation of %1 is missing (%2).</source>
        <translation>تلاوة %1 غير موجودة (%2).</translation>
    </message>
    <message>
        <source>Playing on from %1.</source>
        <translation>يستمر التشغيل من %1.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
</context>
<context>
    <name>tilvane::AyaContextMenu</name>
    <message>
        <source>Copy aya</source>
        <translation>نسخ الآية</translation>
    </message>
    <message>
        <source>Play from here</source>
        <translation>التشغيل من هنا</translation>
    </message>
    <message>
        <source>Add note…</source>
        <translation>إضافة ملاحظة…</translation>
    </message>
</context>
<context>
    <name>tilvane::AyaPlaceLabel</name>
    <message>
        <source>Juz %1</source>
        <translation>الجزء %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>الصفحة %1</translation>
    </message>
</context>
<context>
    <name>tilvane::BookmarkStars</name>
    <message>
        <source>Bookmarked %1</source>
        <translation>أضيفت إشارة مرجعية: %1</translation>
    </message>
    <message>
        <source>Bookmark on %1 removed; Ctrl+Z brings it back</source>
        <translation>أزيلت الإشارة المرجعية عن %1؛ يعيدها Ctrl+Z</translation>
    </message>
</context>
<context>
    <name>tilvane::BookmarkTree</name>
    <message>
        <source>Sura</source>
        <translation>السورة</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>الآية</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
</context>
<context>
    <name>tilvane::HelpPanel</name>
    <message>
        <source>&amp;OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>tilvane::PageLook</name>
    <message>
        <source>Zoom In</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>الحجم الفعلي</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>بني فاتح</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>ليلي</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
</context>
<context>
    <name>tilvane::PagePrinter</name>
    <message>
        <source>Print…</source>
        <translation>طباعة…</translation>
    </message>
    <message>
        <source>Print the shown page</source>
        <translation>طباعة الصفحة المعروضة</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>حفظ بصيغة PDF…</translation>
    </message>
    <message>
        <source>Save the shown page as a PDF file</source>
        <translation>حفظ الصفحة المعروضة في ملف PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>جارٍ كتابة %1…</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>حُفظ %1</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>جارٍ الطباعة…</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>تمت الطباعة</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>تعذّرت طباعة الصفحة.</translation>
    </message>
</context>
<context>
    <name>tilvane::ReaderView</name>
    <message>
        <source> Audio Player </source>
        <translation> مشغل الصوت </translation>
    </message>
    <message>
        <source>Error running JavaScript</source>
        <translation>تعذّر تشغيل JavaScript</translation>
    </message>
</context>
<context>
    <name>tilvane::RecitationOptionsPanel</name>
    <message>
        <source>Repeat a ra&amp;nge of ayat</source>
        <translation>تكرار نطاق من الآيات</translation>
    </message>
    <message>
        <source>sura:aya</source>
        <translation>سورة:آية</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterCatalogueList</name>
    <message>
        <source>Reciter</source>
        <translation>القارئ</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>الأسلوب</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>الجودة</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>القرآن كله</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 ك.ب/ث</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterInstallDialog</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>Install Recitation</source>
        <translation>تثبيت تلاوة</translation>
    </message>
    <message>
        <source>https://…/ holding 001001.mp3 …, a folder, or a ZIP/7z file</source>
        <translation>⁦https://…/⁩ يضم ⁦001001.mp3⁩ …، أو مجلد، أو ملف ⁦ZIP/7z⁩</translation>
    </message>
    <message>
        <source>F&amp;older…</source>
        <translation>مجلد…</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>ملف…</translation>
    </message>
    <message>
        <source>a folder name, e.g. my_reciter_64kbps</source>
        <translation>اسم مجلد، مثل my_reciter_64kbps</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>المصدر:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Folder with the recitation&apos;s MP3 files</source>
        <translation>المجلد الذي يضم ملفات MP3 للتلاوة</translation>
    </message>
    <message>
        <source>Archive with the recitation&apos;s MP3 files</source>
        <translation>الأرشيف الذي يضم ملفات MP3 للتلاوة</translation>
    </message>
    <message>
        <source>Archives (*.zip *.7z);;All files (*)</source>
        <translation>الأرشيفات (*.zip *.7z);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Unpacking the archive…</source>
        <translation>جارٍ فك الأرشيف…</translation>
    </message>
    <message>
        <source>%1/%2 files, %3, %4/s</source>
        <translation>%1/%2 ملف، %3، %4/ث</translation>
    </message>
    <message>
        <source>Cancelled: </source>
        <translation>أُلغي: </translation>
    </message>
    <message>
        <source>%1 of %2 files installed; %3 failed.</source>
        <translation>ثُبّت %1 من %2 ملفًا؛ فشل %3.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>و%1 غيرها</translation>
    </message>
    <message>
        <source>&amp;Recitations to choose from:</source>
        <translation>التلاوات المتاحة للاختيار:</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>القرآن كله</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>سور</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>الجزء</translation>
    </message>
    <message>
        <source>e.g. 1,78-114</source>
        <translation>مثلًا 1,78-114</translation>
    </message>
    <message>
        <source>&amp;Install:</source>
        <translation>تثبيت:</translation>
    </message>
    <message>
        <source>Type juz numbers (1-30), e.g. 30 or 1-3.</source>
        <translation>اكتب أرقام الأجزاء (1-30)، مثلًا 30 أو 1-3.</translation>
    </message>
    <message>
        <source>Type sura numbers (1-114), e.g. 1,78-114.</source>
        <translation>اكتب أرقام السور (1-114)، مثلًا 1,78-114.</translation>
    </message>
    <message numerus="yes">
        <source>%n ayat</source>
        <translation>
            <numerusform>%n آية</numerusform>
            <numerusform>آية واحدة</numerusform>
            <numerusform>آيتان</numerusform>
            <numerusform>%n آيات</numerusform>
            <numerusform>%n آية</numerusform>
            <numerusform>%n آية</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the size is known once installed.</source>
        <translation>%1؛ يُعرف الحجم بعد التثبيت.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1، %2.</translation>
    </message>
    <message>
        <source>Asking %1 for the first aya…</source>
        <translation>جارٍ طلب الآية الأولى من %1…</translation>
    </message>
    <message>
        <source>The source does not answer with a recitation: %1 gave &quot;%2&quot;. Nothing was installed. Check the address, or choose another source.</source>
        <translation>المصدر لا يجيب بتلاوة: أعاد %1 &quot;%2&quot;. لم يُثبَّت شيء. تحقق من العنوان أو اختر مصدرًا آخر.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was installed.</source>
        <translation>أُلغي؛ لم يُثبَّت شيء.</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterListModel</name>
    <message>
        <source>%1 of %2 ayat; %3 of %4 suras complete</source>
        <translation>%1 من %2 آية؛ %3 من %4 سورة كاملة</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>القارئ</translation>
    </message>
    <message>
        <source>Ayat</source>
        <translation>الآيات</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterManager</name>
    <message>
        <source>&amp;Install…</source>
        <translation>تثبيت…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>&amp;Play this reciter</source>
        <translation>تشغيل هذا القارئ</translation>
    </message>
    <message>
        <source>No recitation installed. Install… takes a web folder, a folder or a ZIP/7z file of per-aya files named like 001001.mp3.</source>
        <translation>لا توجد تلاوة مثبتة. يقبل «تثبيت…» مجلدًا على الويب أو مجلدًا أو ملف ⁦ZIP/7z⁩ يضم ملفًا لكل آية باسم مثل ⁦001001.mp3⁩.</translation>
    </message>
    <message>
        <source>No reciter chosen: select one and press &quot;Play this reciter&quot;.</source>
        <translation>لم يُختر قارئ: حدّد أحدهم ثم اضغط «تشغيل هذا القارئ».</translation>
    </message>
    <message>
        <source>Plays: %1</source>
        <translation>يُشغَّل: %1</translation>
    </message>
    <message>
        <source>Remove the reciter &quot;%1&quot; and delete its files from this computer?</source>
        <translation>هل تريد إزالة القارئ «%1» وحذف ملفاته من هذا الحاسوب؟</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterPanel</name>
    <message>
        <source>No recitation installed</source>
        <translation>لا توجد تلاوة مثبتة</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>القارئ</translation>
    </message>
    <message>
        <source>Install recitation…</source>
        <translation>تثبيت تلاوة…</translation>
    </message>
    <message>
        <source>The recitation &quot;%1&quot; is not installed; choose one below.</source>
        <translation>التلاوة &quot;%1&quot; غير مثبتة؛ اختر واحدة أدناه.</translation>
    </message>
</context>
<context>
    <name>tilvane::SearchResultModel</name>
    <message>
        <source>Go to %1 %2 (%3:%2)</source>
        <translation>الانتقال إلى %1 %2 (%3:%2)</translation>
    </message>
    <message>
        <source>Go to %1 (%2)</source>
        <translation>الانتقال إلى %1 (%2)</translation>
    </message>
</context>
<context>
    <name>tilvane::SearchTab</name>
    <message>
        <source>Arabic, transliteration, translation, a sura or 2:255; &quot;quoted words&quot; as a phrase</source>
        <translation>بالعربية أو اللاتينية أو الترجمة، أو سورة أو 2:255؛ &quot;الكلمات بين علامتي تنصيص&quot; عبارة واحدة</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>كلمات</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>الجذر</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>الجذع</translation>
    </message>
    <message>
        <source>Words as typed, every word of an Arabic root (صبر or ص ب ر), or an Arabic word with any prefixes and attached pronouns</source>
        <translation>الكلمات كما كُتبت، أو كل كلمات جذر عربي (صبر أو ص ب ر)، أو كلمة عربية بأي سوابق أو ضمائر متصلة</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>القرآن كله</translation>
    </message>
    <message>
        <source>Shown sura</source>
        <translation>السورة المعروضة</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>الجزء</translation>
    </message>
    <message>
        <source>All texts</source>
        <translation>كل النصوص</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Transliteration</source>
        <translation>النص اللاتيني</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>الترجمات</translation>
    </message>
    <message>
        <source>Arabic and active translations</source>
        <translation>العربية والترجمات المفعّلة</translation>
    </message>
    <message>
        <source>All installed texts</source>
        <translation>كل النصوص المثبّتة</translation>
    </message>
    <message>
        <source>Quran order</source>
        <translation>ترتيب المصحف</translation>
    </message>
    <message>
        <source>Relevance</source>
        <translation>الأكثر صلة</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>كلمات كاملة</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>بحث:</translation>
    </message>
    <message>
        <source>Preparing the search index…</source>
        <translation>جارٍ تجهيز فهرس البحث…</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>لا توجد نتائج</translation>
    </message>
    <message>
        <source>%1 ayat, %2 hits</source>
        <translation>%1 آية، %2 نتيجة</translation>
    </message>
    <message>
        <source> (first %1 shown)</source>
        <translation> (عُرضت أول %1)</translation>
    </message>
    <message>
        <source>Did you mean: %1</source>
        <translation>هل تقصد: %1</translation>
    </message>
    <message>
        <source>All forms</source>
        <translation>كل الصيغ</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>فشل البحث</translation>
    </message>
</context>
<context>
    <name>tilvane::SearchWorker</name>
    <message>
        <source>The search index is not available.</source>
        <translation>فهرس البحث غير متاح.</translation>
    </message>
</context>
<context>
    <name>tilvane::TDlgSett</name>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>System</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source> General </source>
        <translation> عام </translation>
    </message>
    <message>
        <source> Translations </source>
        <translation> الترجمات </translation>
    </message>
    <message>
        <source> Audio </source>
        <translation> الصوت </translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Quran View</source>
        <translation>عرض القرآن</translation>
    </message>
    <message>
        <source>Arabic Latin Color</source>
        <translation>لون النص اللاتيني</translation>
    </message>
    <message>
        <source>Arabic Font</source>
        <translation>الخط العربي</translation>
    </message>
    <message>
        <source>Size (px)</source>
        <translation>الحجم (بكسل)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>if available.</source>
        <translation>إن وُجد.</translation>
    </message>
    <message>
        <source>Translation Font</source>
        <translation>خط الترجمة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>تفعيل</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Select translations to be display:</source>
        <translation>اختر الترجمات المعروضة:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>تفعيل</translation>
    </message>
    <message>
        <source>Tajweed colours</source>
        <translation>ألوان التجويد</translation>
    </message>
    <message>
        <source>Colour the letters that the rules of tajweed govern</source>
        <translation>تلوين الحروف التي تحكمها أحكام التجويد</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>بني فاتح</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>ليلي</translation>
    </message>
</context>
<context>
    <name>tilvane::TDlgSrchSura</name>
    <message>
        <source>Select Sura Name</source>
        <translation>اختيار اسم السورة</translation>
    </message>
    <message>
        <source>Sura Name:</source>
        <translation>اسم السورة:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Idx</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Sura Name</source>
        <translation>اسم السورة</translation>
    </message>
    <message>
        <source>Aya Count</source>
        <translation>عدد الآيات</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>النزول</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Sura Name: %1 not found!</source>
        <translation>اسم السورة: لم يُعثر على %1!</translation>
    </message>
</context>
<context>
    <name>tilvane::TfmSplash</name>
    <message>
        <source>Free software. Loading...</source>
        <translation>برنامج حر. جارٍ التحميل...</translation>
    </message>
</context>
<context>
    <name>tilvane::TopicsTab</name>
    <message>
        <source>&amp;Delete Bookmark</source>
        <translation>حذف الإشارة المرجعية</translation>
    </message>
    <message>
        <source>&amp;Undo Delete Bookmark</source>
        <translation>التراجع عن حذف الإشارة المرجعية</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>&amp;Move Aside and Start Afresh</source>
        <translation>نقله جانبًا والبدء من جديد</translation>
    </message>
    <message>
        <source>&amp;New Topic...</source>
        <translation>موضوع جديد...</translation>
    </message>
    <message>
        <source>&amp;Rename Topic...</source>
        <translation>إعادة تسمية الموضوع...</translation>
    </message>
    <message>
        <source>De&amp;lete Topic</source>
        <translation>حذف الموضوع</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>تصدير...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>استيراد...</translation>
    </message>
    <message>
        <source>N&amp;ote</source>
        <translation>الملاحظة</translation>
    </message>
    <message>
        <source>N&amp;ote on %1 (read-only library)</source>
        <translation>الملاحظة على %1 (المكتبة للقراءة فقط)</translation>
    </message>
    <message>
        <source>N&amp;ote on %1 (kept as you type)</source>
        <translation>الملاحظة على %1 (تُحفظ أثناء الكتابة)</translation>
    </message>
    <message>
        <source>&amp;Go to Aya</source>
        <translation>الانتقال إلى الآية</translation>
    </message>
    <message>
        <source>&amp;Move to Topic</source>
        <translation>نقل إلى موضوع</translation>
    </message>
    <message>
        <source>&amp;Add to Topic</source>
        <translation>إضافة إلى موضوع</translation>
    </message>
    <message>
        <source>New Topic</source>
        <translation>موضوع جديد</translation>
    </message>
    <message>
        <source>Topic name:</source>
        <translation>اسم الموضوع:</translation>
    </message>
    <message>
        <source>Rename Topic</source>
        <translation>إعادة تسمية الموضوع</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>الاسم الجديد:</translation>
    </message>
    <message>
        <source>Export Bookmarks</source>
        <translation>تصدير الإشارات المرجعية</translation>
    </message>
    <message>
        <source>Bookmark files (*.json)</source>
        <translation>ملفات الإشارات المرجعية (*.json)</translation>
    </message>
    <message>
        <source>Import Bookmarks</source>
        <translation>استيراد الإشارات المرجعية</translation>
    </message>
    <message>
        <source>%1 bookmarks read (%2 new), %3 topics.</source>
        <translation>قُرئت %1 إشارة مرجعية (%2 جديدة)، و%3 موضوع.</translation>
    </message>
</context>
</TS>
