// The windows' rows as the layouts carry them (each window's unit, level, score code and the menu
// button that opens it), and the ways about the program they give: the tests and the benches find
// a window by what it is and reach it by the buttons the rows name. Pure functions of the layouts,
// a Map of the tables by window name as the core's vt_layouts gives them.

/** The name of the window of a unit at a level (999, 9999, or null for the main menu), as its row gives it. */
export function named(layouts, unit, level = null) {
  const found = [...layouts.values()].find((layout) => layout.unit === unit && layout.level === level);
  if (!found) throw new Error(`the tables have no ${unit} window at level ${level}`);
  return found.name;
}

/**
 * The clicks that lead from the main menu to a window, as the rows name them: the menu button that
 * opens it, after the way to that menu; a score window, which no menu button opens, through the
 * first exercise window of its level and that window's "Punteggio".
 */
export function wayTo(layouts, name) {
  const window = layouts.get(name);
  if (window?.opener) return [...wayTo(layouts, window.opener.window), `${window.opener.window}.${window.opener.button}`];
  if (window?.unit === 'MainMenu') return [];
  if (window?.unit !== 'Score') throw new Error(`no way to ${name}`);
  const exercise = [...layouts.values()].find((other) => other.scoreCode && other.level === window.level);
  return [...wayTo(layouts, exercise.name), `${exercise.name}.cmdpunteggio`];
}

/**
 * A tour of every window in one go, as the rows lead it: each level's menu from the main menu; each
 * exercise window of the level from the menu and back by its "Fine", the first by way of its score
 * window, computed, and "OK"; the main menu again by the level menu's "Esci".
 */
export function everyWindowTour(layouts) {
  const rows = [...layouts.values()];
  const mainMenu = named(layouts, 'MainMenu');
  const from = (name, start) => wayTo(layouts, name).slice(wayTo(layouts, start).length);
  const tour = [];
  for (const level of new Set(rows.map((row) => row.level).filter((level) => level !== null))) {
    const [menu, score] = [named(layouts, 'LevelMenu', level), named(layouts, 'Score', level)];
    tour.push(...from(menu, mainMenu));
    for (const [i, { name }] of rows.filter((row) => row.scoreCode && row.level === level).entries()) {
      tour.push(...from(name, menu), ...(i ? [`${name}.cmdfine`] : [`${name}.cmdpunteggio`, `${score}.cmdcalcola`, `${score}.cmdok`]));
    }
    tour.push(`${menu}.cmdesci`);
  }
  return tour;
}
