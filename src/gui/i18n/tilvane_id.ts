<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>AboutText</name>
    <message>
        <source>Last Update: %1</source>
        <translation>Pembaruan Terakhir: %1</translation>
    </message>
    <message>
        <source>Tilvane is a free desktop Quran reader, built on openly licensed Quran text and translation data, for everyone who wants to read the Quran and listen to its recitation on a computer of their own.</source>
        <translation>Tilvane adalah aplikasi pembaca Al-Qur&apos;an bebas untuk komputer desktop, dibangun di atas teks Al-Qur&apos;an dan data terjemahan berlisensi terbuka, bagi siapa saja yang ingin membaca Al-Qur&apos;an dan mendengarkan bacaannya di komputer sendiri.</translation>
    </message>
    <message>
        <source>Thank you for your kindness in evaluating and using this program.</source>
        <translation>Terima kasih atas kesediaan Anda mencoba dan menggunakan program ini.</translation>
    </message>
    <message>
        <source>The Tilvane developers</source>
        <translation>Para pengembang Tilvane</translation>
    </message>
    <message>
        <source>Your suggestions are most welcome, you can reach me at:</source>
        <translation>Saran Anda sangat kami harapkan, hubungi kami di:</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribusi</translation>
    </message>
    <message>
        <source>Tilvane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. The Arabic text, the Arabic sura names and the other translations come from the quran-json package (CC BY-SA 4.0 licence); the Indonesian translation, transliteration and sura meanings from the quran-pack package (ISC licence); the index of juz, hizb, pages and sajda from the quran-meta package (MIT licence); the Arabic font is SIL Scheherazade (SIL Open Font License).</source>
        <translation>Tilvane adalah perangkat lunak bebas: Anda boleh menyebarluaskan dan/atau mengubahnya menurut ketentuan GNU General Public License yang diterbitkan oleh Free Software Foundation, baik versi 3 maupun (sesuai pilihan Anda) versi yang lebih baru. Teks Arab, nama surat berbahasa Arab, dan terjemahan lainnya berasal dari paket quran-json (lisensi CC BY-SA 4.0); terjemahan bahasa Indonesia, transliterasi, dan arti nama surat dari paket quran-pack (lisensi ISC); indeks juz, hizb, halaman, dan sajdah dari paket quran-meta (lisensi MIT); huruf Arabnya adalah SIL Scheherazade (SIL Open Font License).</translation>
    </message>
    <message>
        <source>You may give away or sell copies, alone or together with other products, as long as you pass on the same freedoms and the source code under the same licence; its full text comes with the program (LICENSE, or /usr/share/common-licenses/GPL-3 on Debian). %1.</source>
        <translation>Anda boleh membagikan atau menjual salinannya, sendiri maupun bersama produk lain, selama Anda meneruskan kebebasan yang sama dan kode sumbernya dengan lisensi yang sama; teks lengkapnya disertakan bersama program (LICENSE, atau /usr/share/common-licenses/GPL-3 di Debian). %1.</translation>
    </message>
    <message>
        <source>Disclaimer of Warranty</source>
        <translation>Penafian Jaminan</translation>
    </message>
    <message>
        <source>THIS SOFTWARE AND THE ACCOMPANYING FILES ARE PROVIDED &quot;AS IS&quot;, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED. THE WHOLE RISK OF USING THIS SOFTWARE IS WITH YOU, THE USER.</source>
        <translation>PERANGKAT LUNAK INI BESERTA BERKAS PENYERTANYA DISEDIAKAN &quot;APA ADANYA&quot;, TANPA JAMINAN APA PUN, BAIK TERSURAT MAUPUN TERSIRAT. SELURUH RISIKO PENGGUNAAN PERANGKAT LUNAK INI ADA PADA ANDA, PENGGUNA.</translation>
    </message>
</context>
<context>
    <name>ByteSizeText</name>
    <message>
        <source>about %1 GB</source>
        <translation>sekitar %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>sekitar %1 MB</translation>
    </message>
</context>
<context>
    <name>ColorPicker</name>
    <message>
        <source>Choose a colour</source>
        <translation>Pilih warna</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Put back the default colour</source>
        <translation>Kembalikan warna bawaan</translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>Quran</source>
        <translation>Al-Qur&apos;an</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Navigasi</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Murotal</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Penanda</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <source>Unexpected error</source>
        <translation>Galat tak terduga</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Command</source>
        <translation>Perintah</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tombol</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Berkas pengaturan</translation>
    </message>
    <message>
        <source>Recitations</source>
        <translation>Murotal</translation>
    </message>
    <message>
        <source>Translation packages</source>
        <translation>Paket terjemahan</translation>
    </message>
    <message>
        <source>Bookmarks, topics and notes</source>
        <translation>Penanda, topik, dan catatan</translation>
    </message>
    <message>
        <source>Search index</source>
        <translation>Indeks pencarian</translation>
    </message>
    <message>
        <source>Pages being shown (working folder)</source>
        <translation>Halaman yang sedang ditampilkan (folder kerja)</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Bantuan %1</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Memulai</translation>
    </message>
    <message>
        <source>The Quran tab shows one sura at a time: the Arabic text of every aya and, depending on the view chosen in Settings, the transliteration and the translations. Choose a sura and an aya in the boxes at the top and press Go, or pick a sura in the Contents list on the right. Each sura there also opens its introduction (Mukadimah) and its closing words (Penutup).</source>
        <translation>Tab Al-Qur&apos;an menampilkan satu surat setiap kali: teks Arab setiap ayat dan, sesuai tampilan yang dipilih di Pengaturan, transliterasi serta terjemahannya. Pilih surat dan ayat pada kotak di bagian atas lalu tekan Buka, atau pilih surat di Daftar Isi di sebelah kanan. Setiap surat di sana juga membuka pengantarnya (Mukadimah) dan penutupnya (Penutup).</translation>
    </message>
    <message>
        <source>The ≡ button at the top right holds every command of the window, with its keys. The same commands, and more, are in the menu that a right click on the page opens.</source>
        <translation>Tombol ≡ di kanan atas memuat semua perintah jendela beserta tombol pintasnya. Perintah yang sama, dan lebih banyak lagi, ada di menu yang muncul saat halaman diklik kanan.</translation>
    </message>
    <message>
        <source>Reading and moving</source>
        <translation>Membaca dan berpindah</translation>
    </message>
    <message>
        <source>Move aya by aya or sura by sura with the arrow buttons above the page or with the keys below. After the last aya of a sura comes the first aya of the next, and after sura 114 comes sura 1. Select Sura opens a list of all suras that you can filter by typing part of a name or a number.</source>
        <translation>Berpindahlah ayat demi ayat atau surat demi surat dengan tombol panah di atas halaman atau dengan tombol pintas di bawah. Setelah ayat terakhir suatu surat datang ayat pertama surat berikutnya, dan setelah surat 114 datang surat 1. Pilih Surat membuka daftar semua surat yang dapat disaring dengan mengetik sebagian nama atau nomornya.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Mencari</translation>
    </message>
    <message>
        <source>Ctrl+F opens the Search tab. Type one or more words: an aya is found when it holds all of them, in any order. Put words in &quot;double quotes&quot; to find them together in that order. Arabic is found with or without vowel marks, and transliterations with or without their accents and apostrophes. &quot;Whole words&quot; finds only whole words instead of parts of words. Limit the search to the whole Quran, the shown sura or one juz, and to the Arabic text, the transliteration or the translations. Double-click a result to read it in its place.</source>
        <translation>Ctrl+F membuka tab Cari. Ketik satu kata atau lebih: sebuah ayat ditemukan bila memuat semuanya, dalam urutan apa pun. Apit kata dengan &quot;tanda kutip&quot; untuk menemukannya berurutan seperti itu. Teks Arab ditemukan dengan atau tanpa harakat, dan transliterasi dengan atau tanpa tanda aksen dan apostrof. &quot;Kata utuh&quot; hanya menemukan kata yang utuh, bukan bagian kata. Batasi pencarian pada seluruh Al-Qur&apos;an, surat yang ditampilkan, atau satu juz, dan pada teks Arab, transliterasi, atau terjemahan. Klik ganda sebuah hasil untuk membacanya di tempatnya.</translation>
    </message>
    <message>
        <source>Bookmarks and notes</source>
        <translation>Penanda dan catatan</translation>
    </message>
    <message>
        <source>Ctrl+D bookmarks the shown aya, or removes its bookmark; a bookmarked aya carries a star. The Topics tab lists your bookmarks, sorted into topics of your own, each with a note you can write. Export and Import save them to a file and read them back, for another computer or a backup.</source>
        <translation>Ctrl+D menandai ayat yang ditampilkan, atau menghapus penandanya; ayat yang ditandai diberi bintang. Tab Topik memuat penanda Anda, dikelompokkan dalam topik buatan Anda sendiri, masing-masing dengan catatan yang bisa Anda tulis. Ekspor dan Impor menyimpannya ke berkas dan membacanya kembali, untuk komputer lain atau cadangan.</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Murotal</translation>
    </message>
    <message>
        <source>No recitation comes with the program. A recitation is a set of MP3 files, one per aya, named by sura and aya in three digits each: 001001.mp3 is the first aya of sura 1, 002255.mp3 is aya 255 of sura 2. Many reciters publish such sets on the web.</source>
        <translation>Program ini tidak menyertakan murotal. Murotal adalah kumpulan berkas MP3, satu per ayat, yang dinamai dengan nomor surat dan ayat masing-masing tiga angka: 001001.mp3 adalah ayat pertama surat 1, 002255.mp3 adalah ayat 255 surat 2. Banyak qari menerbitkan kumpulan seperti ini di web.</translation>
    </message>
    <message>
        <source>Settings › Audio lists the installed reciters with their size and how many ayat they hold, removes them, and chooses the one that plays. Press Play in the Audio Player tab to hear the shown aya; with &quot;Play Continuously&quot; the recitation goes on aya after aya, and the options below it repeat ayat or a range and set the speed.</source>
        <translation>Pengaturan › Audio menampilkan qari yang terpasang beserta ukurannya dan jumlah ayat yang dimuatnya, dapat menghapusnya, dan memilih qari yang diputar. Tekan Putar di tab Pemutar Audio untuk mendengarkan ayat yang ditampilkan; dengan &quot;Putar Terus&quot; bacaan berlanjut ayat demi ayat, dan pilihan di bawahnya mengulang ayat atau rentang ayat serta mengatur kecepatan.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Mencetak</translation>
    </message>
    <message>
        <source>&quot;Print…&quot; (Ctrl+P) prints the page in front, the sura or its introduction, and &quot;Save as PDF…&quot; writes it to a PDF file. Both are in the ≡ menu and in the page&apos;s right-click menu.</source>
        <translation>&quot;Cetak…&quot; (Ctrl+P) mencetak halaman yang tampil, yaitu surat atau pengantarnya, dan &quot;Simpan sebagai PDF…&quot; menuliskannya ke berkas PDF. Keduanya ada di menu ≡ dan di menu klik kanan halaman.</translation>
    </message>
    <message>
        <source>Where your files are kept</source>
        <translation>Tempat berkas Anda disimpan</translation>
    </message>
    <message>
        <source>Data sources and licences</source>
        <translation>Sumber data dan lisensi</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later. The Arabic text, the Arabic sura names and the other translations come from the quran-json package (CC BY-SA 4.0 licence); the Indonesian translation, transliteration and sura meanings from the quran-pack package (ISC licence); the index of juz, hizb, pages and sajda from the quran-meta package (MIT licence); the Arabic font is SIL Scheherazade (SIL Open Font License). Recitations you install keep the terms of their publishers.</source>
        <translation>%1 adalah perangkat lunak bebas di bawah GNU General Public License, versi 3 atau yang lebih baru. Teks Arab, nama surat berbahasa Arab, dan terjemahan lainnya berasal dari paket quran-json (lisensi CC BY-SA 4.0); terjemahan bahasa Indonesia, transliterasi, dan arti nama surat dari paket quran-pack (lisensi ISC); indeks juz, hizb, halaman, dan sajdah dari paket quran-meta (lisensi MIT); huruf Arabnya adalah SIL Scheherazade (SIL Open Font License). Murotal yang Anda pasang tetap mengikuti ketentuan penerbitnya.</translation>
    </message>
    <message>
        <source>To install one, press &quot;Install recitation…&quot; in the Audio Player tab, or Install… in Settings › Audio, and pick a reciter from the list of public recitations. Any other source works too: a web folder (an address such as https://example.org/reciter/ that holds 001001.mp3 and the other files), a folder on this computer holding the files directly or in one folder per sura (001, 002, …), or a ZIP or 7z archive of such a folder. Install the whole Quran, some suras (for example 1,78-114) or some juz (for example 30); the dialog shows about how much that is before you start. An install that stops half-way keeps what it has; run it again to fetch only what is missing.</source>
        <translation>Untuk memasangnya, tekan &quot;Pasang murotal…&quot; di tab Pemutar Audio, atau Pasang… di Pengaturan › Audio, lalu pilih qari dari daftar murotal publik. Sumber lain juga bisa: folder web (alamat seperti https://example.org/reciter/ yang memuat 001001.mp3 dan berkas lainnya), folder di komputer ini yang memuat berkas-berkas itu langsung atau dalam satu folder per surat (001, 002, …), atau arsip ZIP atau 7z dari folder seperti itu. Pasang seluruh Al-Qur&apos;an, beberapa surat (misalnya 1,78-114) atau beberapa juz (misalnya 30); dialog menunjukkan kira-kira besarnya sebelum Anda mulai. Pemasangan yang terhenti di tengah jalan menyimpan apa yang sudah ada; jalankan lagi untuk mengambil yang belum ada saja.</translation>
    </message>
</context>
<context>
    <name>MainWindowUi</name>
    <message>
        <source> Quran </source>
        <translation> Al-Qur&apos;an </translation>
    </message>
    <message>
        <source> Search </source>
        <translation> Cari </translation>
    </message>
    <message>
        <source> Topics </source>
        <translation> Topik </translation>
    </message>
    <message>
        <source> Index </source>
        <translation> Indeks </translation>
    </message>
    <message>
        <source> About </source>
        <translation> Tentang </translation>
    </message>
    <message>
        <source> Help </source>
        <translation> Bantuan </translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>Go to Selected Sura</source>
        <translation>Buka surat yang dipilih</translation>
    </message>
    <message>
        <source>Prev Sura</source>
        <translation>Surat Sebelumnya</translation>
    </message>
    <message>
        <source>Go to previous sura</source>
        <translation>Ke surat sebelumnya</translation>
    </message>
    <message>
        <source>Next Sura</source>
        <translation>Surat Berikutnya</translation>
    </message>
    <message>
        <source>Go to next sura</source>
        <translation>Ke surat berikutnya</translation>
    </message>
    <message>
        <source>Prev Aya</source>
        <translation>Ayat Sebelumnya</translation>
    </message>
    <message>
        <source>Go to previous aya</source>
        <translation>Ke ayat sebelumnya</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>Ayat Berikutnya</translation>
    </message>
    <message>
        <source>Go to next aya</source>
        <translation>Ke ayat berikutnya</translation>
    </message>
    <message>
        <source>Select Sura</source>
        <translation>Pilih Surat</translation>
    </message>
    <message>
        <source>Select sura name from list</source>
        <translation>Pilih nama surat dari daftar</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Muat Ulang</translation>
    </message>
    <message>
        <source>Reload sura</source>
        <translation>Muat ulang surat</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Bookmark this aya</source>
        <translation>Tandai ayat ini</translation>
    </message>
    <message>
        <source>Bookmark this aya|Add or remove a bookmark on the shown aya</source>
        <translation>Tandai ayat ini|Tambah atau hapus penanda pada ayat yang ditampilkan</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Search the Quran and the translations</source>
        <translation>Cari di Al-Qur&apos;an dan terjemahan</translation>
    </message>
    <message>
        <source>&amp;Sura:</source>
        <translation>&amp;Surat:</translation>
    </message>
    <message>
        <source>&amp;Aya:</source>
        <translation>&amp;Ayat:</translation>
    </message>
    <message>
        <source> Contents </source>
        <translation> Daftar Isi </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>Unable to write to %1: the page could not be printed.</source>
        <translation>Tidak dapat menulis ke %1: halaman tidak dapat dicetak.</translation>
    </message>
    <message>
        <source>Unable to write to %1: the page is not ready to print.</source>
        <translation>Tidak dapat menulis ke %1: halaman belum siap dicetak.</translation>
    </message>
</context>
<context>
    <name>PlayerText</name>
    <message>
        <source>Stopped</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Memutar</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Dijeda</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Menunggu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Bisukan</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Bunyikan</translation>
    </message>
    <message>
        <source>Play|Play current aya</source>
        <translation>Putar|Putar ayat ini</translation>
    </message>
    <message>
        <source>Stop|Stop playing current aya</source>
        <translation>Berhenti|Hentikan pemutaran ayat ini</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>Ayat Sebelumnya</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>Ayat Berikutnya</translation>
    </message>
</context>
<context>
    <name>RecitationOptions</name>
    <message>
        <source>Without end</source>
        <translation>Tanpa henti</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Sekali</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 kali</translation>
    </message>
    <message>
        <source>As long as the aya</source>
        <translation>Selama ayatnya</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 dtk</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>&amp;Kecepatan:</translation>
    </message>
    <message>
        <source>&amp;Repeat aya:</source>
        <translation>&amp;Ulangi ayat:</translation>
    </message>
    <message>
        <source>Pa&amp;use after:</source>
        <translation>&amp;Jeda setelahnya:</translation>
    </message>
    <message>
        <source>From, to:</source>
        <translation>Dari, sampai:</translation>
    </message>
    <message>
        <source>&amp;Times:</source>
        <translation>&amp;Sebanyak:</translation>
    </message>
</context>
<context>
    <name>SavedFileNotice</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 tersimpan di %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Buka Folder</translation>
    </message>
</context>
<context>
    <name>Tajweed</name>
    <message>
        <source>Hamzat al-wasl (silent when joined)</source>
        <translation>Hamzah washal (tidak dibaca saat disambung)</translation>
    </message>
    <message>
        <source>Lam shamsiyyah (silent lam)</source>
        <translation>Lam syamsiyah (lam tidak dibaca)</translation>
    </message>
    <message>
        <source>Silent letter</source>
        <translation>Huruf tidak dibaca</translation>
    </message>
    <message>
        <source>Natural madd (2 counts)</source>
        <translation>Mad thabi&apos;i (2 harakat)</translation>
    </message>
    <message>
        <source>Madd when stopping (2, 4 or 6 counts)</source>
        <translation>Mad &apos;aridh lissukun (2, 4 atau 6 harakat)</translation>
    </message>
    <message>
        <source>Necessary madd (6 counts)</source>
        <translation>Mad lazim (6 harakat)</translation>
    </message>
    <message>
        <source>Separated madd (4 or 5 counts)</source>
        <translation>Mad jaiz munfashil (4 atau 5 harakat)</translation>
    </message>
    <message>
        <source>Joined madd (4 or 5 counts)</source>
        <translation>Mad wajib muttashil (4 atau 5 harakat)</translation>
    </message>
    <message>
        <source>Qalqalah (echo)</source>
        <translation>Qalqalah (pantulan)</translation>
    </message>
    <message>
        <source>Ghunnah (nasal sound, 2 counts)</source>
        <translation>Ghunnah (dengung, 2 harakat)</translation>
    </message>
    <message>
        <source>Ikhfa (hidden noon)</source>
        <translation>Ikhfa (nun disamarkan)</translation>
    </message>
    <message>
        <source>Ikhfa shafawi (hidden meem)</source>
        <translation>Ikhfa syafawi (mim disamarkan)</translation>
    </message>
    <message>
        <source>Iqlab (noon said as meem)</source>
        <translation>Iqlab (nun dibaca mim)</translation>
    </message>
    <message>
        <source>Idghaam with ghunnah</source>
        <translation>Idgham bighunnah (dengan dengung)</translation>
    </message>
    <message>
        <source>Idghaam without ghunnah</source>
        <translation>Idgham bilaghunnah (tanpa dengung)</translation>
    </message>
    <message>
        <source>Idghaam shafawi (meem into meem)</source>
        <translation>Idgham syafawi (mim ke dalam mim)</translation>
    </message>
    <message>
        <source>Idghaam of kindred letters</source>
        <translation>Idgham mutajanisain (huruf sejenis)</translation>
    </message>
    <message>
        <source>Idghaam of close letters</source>
        <translation>Idgham mutaqaribain (huruf berdekatan)</translation>
    </message>
    <message>
        <source>Tajweed colours</source>
        <translation>Warna tajwid</translation>
    </message>
</context>
<context>
    <name>ViewStyle</name>
    <message>
        <source>Arabic and Translations</source>
        <translation>Arab dan Terjemahan</translation>
    </message>
    <message>
        <source>Arabic Only</source>
        <translation>Arab Saja</translation>
    </message>
    <message>
        <source>Arabic Only 1 Aya per-Line</source>
        <translation>Arab Saja, 1 Ayat per Baris</translation>
    </message>
    <message>
        <source>Translations Only</source>
        <translation>Terjemahan Saja</translation>
    </message>
</context>
<context>
    <name>tilvane::AudioPlayerTab</name>
    <message>
        <source>Reciter:</source>
        <translation>Qari:</translation>
    </message>
    <message>
        <source>Play Continuously</source>
        <translation>Putar Terus</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Putar/Jeda</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>Ayat Berikutnya</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>Ayat Sebelumnya</translation>
    </message>
    <message>
        <source>The recitation of %1 is missing (%2).</source>
        <translation>Rekaman bacaan %1 tidak ada (%2).</translation>
    </message>
    <message>
        <source>Playing on from %1.</source>
        <translation>Diputar lanjut dari %1.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(tidak ada)</translation>
    </message>
</context>
<context>
    <name>tilvane::AyaContextMenu</name>
    <message>
        <source>Copy aya</source>
        <translation>Salin ayat</translation>
    </message>
    <message>
        <source>Play from here</source>
        <translation>Putar dari sini</translation>
    </message>
    <message>
        <source>Add note…</source>
        <translation>Tambah catatan…</translation>
    </message>
</context>
<context>
    <name>tilvane::AyaPlaceLabel</name>
    <message>
        <source>Juz %1</source>
        <translation>Juz %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Halaman %1</translation>
    </message>
</context>
<context>
    <name>tilvane::BookmarkStars</name>
    <message>
        <source>Bookmarked %1</source>
        <translation>Ditandai: %1</translation>
    </message>
    <message>
        <source>Bookmark on %1 removed; Ctrl+Z brings it back</source>
        <translation>Penanda pada %1 dihapus; Ctrl+Z mengembalikannya</translation>
    </message>
</context>
<context>
    <name>tilvane::BookmarkTree</name>
    <message>
        <source>Sura</source>
        <translation>Surat</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>Ayat</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teks</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Catatan</translation>
    </message>
</context>
<context>
    <name>tilvane::HelpPanel</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>tilvane::PageLook</name>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Ukuran Asli</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Malam</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
</context>
<context>
    <name>tilvane::PagePrinter</name>
    <message>
        <source>Print…</source>
        <translation>Cetak…</translation>
    </message>
    <message>
        <source>Print the shown page</source>
        <translation>Cetak halaman yang ditampilkan</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Simpan sebagai PDF…</translation>
    </message>
    <message>
        <source>Save the shown page as a PDF file</source>
        <translation>Simpan halaman yang ditampilkan sebagai berkas PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Simpan sebagai PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Berkas PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>Menulis %1…</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Tersimpan: %1</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Mencetak…</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Tercetak</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Halaman tidak dapat dicetak.</translation>
    </message>
</context>
<context>
    <name>tilvane::ReaderView</name>
    <message>
        <source> Audio Player </source>
        <translation> Pemutar Audio </translation>
    </message>
    <message>
        <source>Error running JavaScript</source>
        <translation>Gagal menjalankan JavaScript</translation>
    </message>
</context>
<context>
    <name>tilvane::RecitationOptionsPanel</name>
    <message>
        <source>Repeat a ra&amp;nge of ayat</source>
        <translation>Ulangi rent&amp;ang ayat</translation>
    </message>
    <message>
        <source>sura:aya</source>
        <translation>surat:ayat</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterCatalogueList</name>
    <message>
        <source>Reciter</source>
        <translation>Qari</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Gaya</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kualitas</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Seluruh Al-Qur&apos;an</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterInstallDialog</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Install Recitation</source>
        <translation>Pasang Murotal</translation>
    </message>
    <message>
        <source>https://…/ holding 001001.mp3 …, a folder, or a ZIP/7z file</source>
        <translation>https://…/ berisi 001001.mp3 …, sebuah folder, atau berkas ZIP/7z</translation>
    </message>
    <message>
        <source>F&amp;older…</source>
        <translation>F&amp;older…</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Berkas…</translation>
    </message>
    <message>
        <source>a folder name, e.g. my_reciter_64kbps</source>
        <translation>nama folder, mis. qari_saya_64kbps</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Sumber:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Pasang</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Folder with the recitation&apos;s MP3 files</source>
        <translation>Folder berisi berkas MP3 murotal</translation>
    </message>
    <message>
        <source>Archive with the recitation&apos;s MP3 files</source>
        <translation>Arsip berisi berkas MP3 murotal</translation>
    </message>
    <message>
        <source>Archives (*.zip *.7z);;All files (*)</source>
        <translation>Arsip (*.zip *.7z);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>Unpacking the archive…</source>
        <translation>Membongkar arsip…</translation>
    </message>
    <message>
        <source>%1/%2 files, %3, %4/s</source>
        <translation>%1/%2 berkas, %3, %4/dtk</translation>
    </message>
    <message>
        <source>Cancelled: </source>
        <translation>Dibatalkan: </translation>
    </message>
    <message>
        <source>%1 of %2 files installed; %3 failed.</source>
        <translation>%1 dari %2 berkas terpasang; %3 gagal.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>dan %1 lainnya</translation>
    </message>
    <message>
        <source>&amp;Recitations to choose from:</source>
        <translation>&amp;Bacaan yang dapat dipilih:</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Seluruh Al-Qur&apos;an</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Surah</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz</translation>
    </message>
    <message>
        <source>e.g. 1,78-114</source>
        <translation>mis. 1,78-114</translation>
    </message>
    <message>
        <source>&amp;Install:</source>
        <translation>&amp;Pasang:</translation>
    </message>
    <message>
        <source>Type juz numbers (1-30), e.g. 30 or 1-3.</source>
        <translation>Ketik nomor juz (1-30), mis. 30 atau 1-3.</translation>
    </message>
    <message>
        <source>Type sura numbers (1-114), e.g. 1,78-114.</source>
        <translation>Ketik nomor surah (1-114), mis. 1,78-114.</translation>
    </message>
    <message numerus="yes">
        <source>%n ayat</source>
        <translation>
            <numerusform>%n ayat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the size is known once installed.</source>
        <translation>%1; ukurannya diketahui setelah terpasang.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>Asking %1 for the first aya…</source>
        <translation>Meminta ayat pertama dari %1…</translation>
    </message>
    <message>
        <source>The source does not answer with a recitation: %1 gave &quot;%2&quot;. Nothing was installed. Check the address, or choose another source.</source>
        <translation>Sumber tidak menjawab dengan rekaman bacaan: %1 memberi &quot;%2&quot;. Tidak ada yang dipasang. Periksa alamatnya, atau pilih sumber lain.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was installed.</source>
        <translation>Dibatalkan; tidak ada yang dipasang.</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterListModel</name>
    <message>
        <source>%1 of %2 ayat; %3 of %4 suras complete</source>
        <translation>%1 dari %2 ayat; %3 dari %4 surat lengkap</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 dari %2</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>Qari</translation>
    </message>
    <message>
        <source>Ayat</source>
        <translation>Ayat</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterManager</name>
    <message>
        <source>&amp;Install…</source>
        <translation>&amp;Pasang…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>&amp;Play this reciter</source>
        <translation>&amp;Putar qari ini</translation>
    </message>
    <message>
        <source>No recitation installed. Install… takes a web folder, a folder or a ZIP/7z file of per-aya files named like 001001.mp3.</source>
        <translation>Belum ada murotal yang terpasang. Pasang… menerima folder web, folder, atau berkas ZIP/7z berisi berkas per ayat dengan nama seperti 001001.mp3.</translation>
    </message>
    <message>
        <source>No reciter chosen: select one and press &quot;Play this reciter&quot;.</source>
        <translation>Belum ada qari yang dipilih: pilih satu lalu tekan &quot;Putar qari ini&quot;.</translation>
    </message>
    <message>
        <source>Plays: %1</source>
        <translation>Diputar: %1</translation>
    </message>
    <message>
        <source>Remove the reciter &quot;%1&quot; and delete its files from this computer?</source>
        <translation>Hapus qari &quot;%1&quot; beserta berkasnya dari komputer ini?</translation>
    </message>
</context>
<context>
    <name>tilvane::ReciterPanel</name>
    <message>
        <source>No recitation installed</source>
        <translation>Belum ada murotal yang terpasang</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>Qari</translation>
    </message>
    <message>
        <source>Install recitation…</source>
        <translation>Pasang murotal…</translation>
    </message>
    <message>
        <source>The recitation &quot;%1&quot; is not installed; choose one below.</source>
        <translation>Bacaan &quot;%1&quot; tidak terpasang; pilih salah satu di bawah.</translation>
    </message>
</context>
<context>
    <name>tilvane::SearchResultModel</name>
    <message>
        <source>Go to %1 %2 (%3:%2)</source>
        <translation>Buka %1 %2 (%3:%2)</translation>
    </message>
    <message>
        <source>Go to %1 (%2)</source>
        <translation>Buka %1 (%2)</translation>
    </message>
</context>
<context>
    <name>tilvane::SearchTab</name>
    <message>
        <source>Arabic, transliteration, translation, a sura or 2:255; &quot;quoted words&quot; as a phrase</source>
        <translation>Arab, transliterasi, terjemahan, surat atau 2:255; &quot;kata dalam kutip&quot; sebagai frasa</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Kata</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Akar kata</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Kata dasar</translation>
    </message>
    <message>
        <source>Words as typed, every word of an Arabic root (صبر or ص ب ر), or an Arabic word with any prefixes and attached pronouns</source>
        <translation>Kata seperti diketik, setiap kata dari satu akar kata Arab (صبر atau ص ب ر), atau kata Arab dengan awalan dan kata ganti melekat apa pun</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Seluruh Al-Qur&apos;an</translation>
    </message>
    <message>
        <source>Shown sura</source>
        <translation>Surat yang ditampilkan</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz</translation>
    </message>
    <message>
        <source>All texts</source>
        <translation>Semua teks</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arab</translation>
    </message>
    <message>
        <source>Transliteration</source>
        <translation>Transliterasi</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Terjemahan</translation>
    </message>
    <message>
        <source>Arabic and active translations</source>
        <translation>Arab dan terjemahan aktif</translation>
    </message>
    <message>
        <source>All installed texts</source>
        <translation>Semua teks terpasang</translation>
    </message>
    <message>
        <source>Quran order</source>
        <translation>Urutan mushaf</translation>
    </message>
    <message>
        <source>Relevance</source>
        <translation>Relevansi</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Kata utuh</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Cari:</translation>
    </message>
    <message>
        <source>Preparing the search index…</source>
        <translation>Menyiapkan indeks pencarian…</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Tidak ada hasil</translation>
    </message>
    <message>
        <source>%1 ayat, %2 hits</source>
        <translation>%1 ayat, %2 temuan</translation>
    </message>
    <message>
        <source> (first %1 shown)</source>
        <translation> (%1 pertama ditampilkan)</translation>
    </message>
    <message>
        <source>Did you mean: %1</source>
        <translation>Mungkin maksud Anda: %1</translation>
    </message>
    <message>
        <source>All forms</source>
        <translation>Semua bentuk</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Pencarian gagal</translation>
    </message>
</context>
<context>
    <name>tilvane::SearchWorker</name>
    <message>
        <source>The search index is not available.</source>
        <translation>Indeks pencarian tidak tersedia.</translation>
    </message>
</context>
<context>
    <name>tilvane::TDlgSett</name>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Ikuti sistem</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Umum </translation>
    </message>
    <message>
        <source> Translations </source>
        <translation> Terjemahan </translation>
    </message>
    <message>
        <source> Audio </source>
        <translation> Audio </translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Bawaan</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Terapkan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
    <message>
        <source>Quran View</source>
        <translation>Tampilan Al-Qur&apos;an</translation>
    </message>
    <message>
        <source>Arabic Latin Color</source>
        <translation>Warna Latin</translation>
    </message>
    <message>
        <source>Arabic Font</source>
        <translation>Huruf Arab</translation>
    </message>
    <message>
        <source>Size (px)</source>
        <translation>Ukuran (px)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Warna</translation>
    </message>
    <message>
        <source>if available.</source>
        <translation>jika tersedia.</translation>
    </message>
    <message>
        <source>Translation Font</source>
        <translation>Huruf Terjemahan</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Aktifkan</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Naikkan</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Turunkan</translation>
    </message>
    <message>
        <source>Select translations to be display:</source>
        <translation>Pilih terjemahan yang ditampilkan:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>Tajweed colours</source>
        <translation>Warna tajwid</translation>
    </message>
    <message>
        <source>Colour the letters that the rules of tajweed govern</source>
        <translation>Mewarnai huruf-huruf yang diatur oleh hukum tajwid</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Malam</translation>
    </message>
</context>
<context>
    <name>tilvane::TDlgSrchSura</name>
    <message>
        <source>Select Sura Name</source>
        <translation>Pilih Nama Surat</translation>
    </message>
    <message>
        <source>Sura Name:</source>
        <translation>Nama Surat:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cari</translation>
    </message>
    <message>
        <source>Idx</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Sura Name</source>
        <translation>Nama Surat</translation>
    </message>
    <message>
        <source>Aya Count</source>
        <translation>Jumlah Ayat</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>Turun di</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
    <message>
        <source>Sura Name: %1 not found!</source>
        <translation>Nama surat: %1 tidak ditemukan!</translation>
    </message>
</context>
<context>
    <name>tilvane::TfmSplash</name>
    <message>
        <source>Free software. Loading...</source>
        <translation>Perangkat lunak bebas. Memuat...</translation>
    </message>
</context>
<context>
    <name>tilvane::TopicsTab</name>
    <message>
        <source>&amp;Delete Bookmark</source>
        <translation>&amp;Hapus Penanda</translation>
    </message>
    <message>
        <source>&amp;Undo Delete Bookmark</source>
        <translation>&amp;Urungkan Hapus Penanda</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Coba Lagi</translation>
    </message>
    <message>
        <source>&amp;Move Aside and Start Afresh</source>
        <translation>&amp;Sisihkan dan Mulai Baru</translation>
    </message>
    <message>
        <source>&amp;New Topic...</source>
        <translation>Topik &amp;Baru...</translation>
    </message>
    <message>
        <source>&amp;Rename Topic...</source>
        <translation>&amp;Ganti Nama Topik...</translation>
    </message>
    <message>
        <source>De&amp;lete Topic</source>
        <translation>&amp;Hapus Topik</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Ekspor...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Impor...</translation>
    </message>
    <message>
        <source>N&amp;ote</source>
        <translation>&amp;Catatan</translation>
    </message>
    <message>
        <source>N&amp;ote on %1 (read-only library)</source>
        <translation>&amp;Catatan pada %1 (pustaka hanya-baca)</translation>
    </message>
    <message>
        <source>N&amp;ote on %1 (kept as you type)</source>
        <translation>&amp;Catatan pada %1 (tersimpan saat diketik)</translation>
    </message>
    <message>
        <source>&amp;Go to Aya</source>
        <translation>&amp;Buka Ayat</translation>
    </message>
    <message>
        <source>&amp;Move to Topic</source>
        <translation>&amp;Pindahkan ke Topik</translation>
    </message>
    <message>
        <source>&amp;Add to Topic</source>
        <translation>&amp;Tambahkan ke Topik</translation>
    </message>
    <message>
        <source>New Topic</source>
        <translation>Topik Baru</translation>
    </message>
    <message>
        <source>Topic name:</source>
        <translation>Nama topik:</translation>
    </message>
    <message>
        <source>Rename Topic</source>
        <translation>Ganti Nama Topik</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nama baru:</translation>
    </message>
    <message>
        <source>Export Bookmarks</source>
        <translation>Ekspor Penanda</translation>
    </message>
    <message>
        <source>Bookmark files (*.json)</source>
        <translation>Berkas penanda (*.json)</translation>
    </message>
    <message>
        <source>Import Bookmarks</source>
        <translation>Impor Penanda</translation>
    </message>
    <message>
        <source>%1 bookmarks read (%2 new), %3 topics.</source>
        <translation>%1 penanda dibaca (%2 baru), %3 topik.</translation>
    </message>
</context>
</TS>
