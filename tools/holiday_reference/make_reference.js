#!/usr/bin/env node
// Writes tests/data/holidays/<COUNTRY>.tsv: the public holidays, and the days
// off given in place of those on a weekend, that the date-holidays package
// (npm, independent of Tessolar) lists for each of Tessolar's countries and
// regions, 1990-2040. The generator tests compare the days off Tessolar
// computes with them; tests/data/holidays/judged_<COUNTRY>.tsv say where Tessolar
// follows the law against this data set, and why.
//
//   cd tools/holiday_reference && npm ci && node make_reference.js
//
// Each line: region code (the country's code for the whole country), year,
// date (MM-DD), "holiday" or "substitute", the name the data set gives.

const fs = require('fs');
const path = require('path');
const Holidays = require('date-holidays');

const FIRST_YEAR = 1990;
const LAST_YEAR = 2040;
const OUT = path.join(__dirname, '..', '..', 'tests', 'data', 'holidays');

// Tessolar's countries in index order, with the data set's state codes of
// the regions Tessolar offers (ISO 3166-2 suffixes, except where noted).
const COUNTRIES = {
  US: 'AK AL AR AZ CA CO CT DC DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO MS MT NC ND NE NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA VT WA WI WV WY',
  CA: 'AB BC MB NB NL NS NT NU ON PE QC SK YT',
  GB: 'EAW NIR SCT',
  AU: 'ACT NSW NT QLD SA TAS VIC WA',
  MX: '',
  IE: '',
  DE: 'BB BE BW BY HB HE HH MV NI NW RP SH SL SN ST TH',
  NZ: '',
  FR: '',
  BE: '',
  NL: '',
  IT: '',
  ES: 'AN AR AS CB CE CL CM CN CT EX GA IB MC MD ML NC PV RI VC',
  AT: '1 2 3 4 5 6 7 8 9',
};
// England and Wales are one region; the data set keeps England's list.
const STATE_IN_DATA_SET = {EAW: 'ENG'};

function lines(country, region) {
  const state = region ? (STATE_IN_DATA_SET[region] || region) : undefined;
  const hd = state ? new Holidays(country, state) : new Holidays(country);
  const code = region ? `${country}-${region}` : country;
  const out = [];
  for (let year = FIRST_YEAR; year <= LAST_YEAR; ++year) {
    for (const h of hd.getHolidays(year)) {
      if (h.type !== 'public') continue;
      const date = h.date.slice(0, 10);
      if (Number(date.slice(0, 4)) !== year) continue;
      const kind = h.substitute ? 'substitute' : 'holiday';
      out.push([code, year, date.slice(5), kind, h.name].join('\t'));
    }
  }
  return out;
}

fs.mkdirSync(OUT, {recursive: true});
for (const [country, regions] of Object.entries(COUNTRIES)) {
  const all = lines(country, undefined);
  for (const region of regions.split(' ').filter(Boolean)) all.push(...lines(country, region));
  const header = `# Public holidays and substitute days off by date-holidays ${
      require('date-holidays/package.json').version} (npm), ${FIRST_YEAR}-${LAST_YEAR},\n` +
      '# written by tools/holiday_reference/make_reference.js.\n' +
      '# Region, year, MM-DD, holiday or substitute, name.\n';
  fs.writeFileSync(path.join(OUT, `${country}.tsv`), header + all.join('\n') + '\n');
}
