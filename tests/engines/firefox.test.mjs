// The smoke tests in Firefox ESR.
import { launchFirefox } from './firefox.mjs';
import { smokeSuite } from './smoke.mjs';

smokeSuite('Firefox ESR', launchFirefox);
